#include "search/SearchElements.h"

#include "platform/Dialogs.h"
#include "search_table/SearchTable.h"

#include <QCoreApplication>

#include <utility>

namespace corvanel::search {

namespace {

constexpr const char* kPrompt = QT_TRANSLATE_NOOP("SearchElements", "Enter Element Symbol");
constexpr const char* kTitle = QT_TRANSLATE_NOOP("SearchElements", "Element Search");
constexpr const char* kNotFoundText = QT_TRANSLATE_NOOP("SearchElements", "Sorry, Could not find element!");
constexpr const char* kNotFoundTitle = QT_TRANSLATE_NOOP("SearchElements", "Error");

QString translated(const char* english)
{
    return QCoreApplication::translate("SearchElements", english);
}

} // namespace

SearchElements::SearchElements(platform::Dialogs& dialogs, std::function<void(int atomicNumber)> select)
    : m_dialogs(dialogs)
    , m_select(std::move(select))
{
}

void SearchElements::run(QWidget* owner)
{
    const QString answer = m_dialogs.inputBox(owner, translated(kPrompt), translated(kTitle));
    // Tested before any conversion: Cancel, closing the box and an empty field all end here.
    if (answer.isEmpty()) {
        return;
    }
    if (const std::optional<int> atomicNumber = findElement(searchKeyFor(answer))) {
        m_select(*atomicNumber);
        return;
    }
    m_dialogs.message(owner,
                      {translated(kNotFoundText), translated(kNotFoundTitle), platform::MessageIcon::Warning,
                       platform::MessageButtons::Ok});
}

} // namespace corvanel::search
