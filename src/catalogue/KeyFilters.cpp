#include "catalogue/KeyFilters.h"

KeyDecision PriceKeyFilter(int keyCode, QChar character) {
    if (keyCode == KeyCode::Enter)
        return KeyDecision::FocusAddButton;
    if (keyCode == KeyCode::Backspace || keyCode == KeyCode::Delete || keyCode == KeyCode::Left ||
        keyCode == KeyCode::Right)
        return KeyDecision::Pass;
    const char16_t c = character.unicode();
    if (c == u',' || (c >= u'0' && c <= u'9'))
        return KeyDecision::Pass;
    return KeyDecision::Swallow;
}

KeyDecision TableNameKeyFilter(int keyCode, QChar character) {
    if (keyCode == KeyCode::Enter)
        return KeyDecision::FocusAddButton;
    switch (character.unicode()) {
    case u'"':
    case u'*':
    case u'/':
    case u':':
    case u'<':
    case u'>':
    case u'?':
    case u'\\':
    case u'\u00B0':
    case u'\u00C7':
    case u'\u00D1':
    case u'\u00E7':
    case u'\u00F1':
        return KeyDecision::Swallow;
    default:
        return KeyDecision::Pass;
    }
}
