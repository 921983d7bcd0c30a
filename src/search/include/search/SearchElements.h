#pragma once

#include <functional>

class QWidget;

namespace corvanel::platform {
class Dialogs;
}

namespace corvanel::search {

/**
 * The Search Elements command: asks for a chemical symbol and selects the element
 * it names, the same way as a click on that element's button. It keeps nothing
 * between runs; a match's selection is its only lasting effect.
 */
class SearchElements
{
public:
    /** @p select is the window's selection action, called with the matched atomic number. */
    SearchElements(platform::Dialogs& dialogs, std::function<void(int atomicNumber)> select);

    /**
     * Runs the command once with its boxes over @p owner. An empty answer (Cancel,
     * closing the box, confirming an empty field) ends it silently; an answer that
     * names no element gets the not-found box. Failures of the selection action
     * are not caught here.
     */
    void run(QWidget* owner);

private:
    platform::Dialogs& m_dialogs;
    std::function<void(int)> m_select;
};

} // namespace corvanel::search
