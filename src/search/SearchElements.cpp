#include "search/SearchElements.h"

#include "platform/Dialogs.h"
#include "search_table/SearchTable.h"

#include <utility>

namespace corvanel::search {

namespace {

const QString kPrompt = QStringLiteral("Enter Element Symbol");
const QString kTitle = QStringLiteral("Element Search");
const QString kNotFoundText = QStringLiteral("Sorry, Could not find element!");
const QString kNotFoundTitle = QStringLiteral("Error");

} // namespace

SearchElements::SearchElements(platform::Dialogs& dialogs, std::function<void(int atomicNumber)> select)
    : m_dialogs(dialogs)
    , m_select(std::move(select))
{
}

void SearchElements::run(QWidget* owner)
{
    const QString answer = m_dialogs.inputBox(owner, kPrompt, kTitle);
    // Tested before any conversion: Cancel, closing the box and an empty field all end here.
    if (answer.isEmpty()) {
        return;
    }
    if (const std::optional<int> atomicNumber = findElement(searchKeyFor(answer))) {
        m_select(*atomicNumber);
        return;
    }
    m_dialogs.message(owner,
                      {kNotFoundText, kNotFoundTitle, platform::MessageIcon::Warning, platform::MessageButtons::Ok});
}

} // namespace corvanel::search
