#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Takes the message of a rejected entry: the caller shows it in the application's modal box, at
// once or when the press ends.
using ShowMessage = std::function<void(std::u16string_view message)>;

// The input check and the four variables it shares with its caller. The caller puts the entry
// text into Dato and the entry's two messages into MsgVuoto and MsgErrore, runs ControlloDati
// and reads Errore: 0 passed, 1 rejected (its message has already been shown).
struct Module1
{
    std::u16string Dato;
    std::int16_t Errore = 0;
    // The two messages are views of texts that outlive every check (the program's message table),
    // so handing them over copies no text.
    std::u16string_view MsgVuoto;
    std::u16string_view MsgErrore;

    // Rejects an empty text, or one holding any code unit other than 0-9 . e E - +.
    // The order and count of the allowed characters are not looked at: "1.2.3" passes.
    void ControlloDati(std::u16string_view T, const ShowMessage &show);
};
