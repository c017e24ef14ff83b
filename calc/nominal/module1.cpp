#include "nominal/module1.h"

namespace {

bool isAllowed(char16_t c)
{
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'e' || c == u'E' || c == u'-'
           || c == u'+';
}

} // namespace

void Module1::ControlloDati(std::u16string_view T, const ShowMessage &show)
{
    Errore = 0;
    if (T.empty()) {
        show(MsgVuoto);
        Errore = 1;
        return;
    }
    // Every code unit is looked at, so a surrogate pair or a digit of another script is rejected.
    bool allAllowed = true;
    for (const char16_t c : T)
        allAllowed = isAllowed(c) && allAllowed;
    if (!allAllowed) {
        show(MsgErrore);
        Errore = 1;
    }
}
