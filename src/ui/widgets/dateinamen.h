#pragma once
// File names between the file system and Qt. To the system a name is bytes, UTF-8 as a
// rule but not always (a name made under another encoding, a name cut short); Qt holds
// names as text and turns every byte that is not UTF-8 into U+FFFD, after which the file
// can be neither opened nor saved again. The program therefore keeps names as bytes
// (std::string: Programm::ListenDatei, GrafikDatei, the paths the engine opens) and turns
// them into Qt text only here, in a form that gives the same bytes back.

#include <QString>

#include <string>
#include <string_view>

namespace orbisto {

// The name as Qt text that DateinameBytes turns back into exactly these bytes: UTF-8 as
// its characters, any other byte b as the lone surrogate U+DC00 + b (U+DC80..U+DCFF),
// which no UTF-8 text can hold. A name that is UTF-8 is thus its plain text.
QString DateinameText(std::string_view bytes);

// The bytes of a name DateinameText made, or of any other text (as UTF-8).
std::string DateinameBytes(const QString& text);

// The name to be read by a person: each byte that is not UTF-8 shows as U+FFFD, as Qt's
// own dialogs show it.
QString DateinameAnzeige(std::string_view bytes);

// The file that a name shown by Qt means (`gezeigt`: the path a QFileDialog chose, where
// any name that is not UTF-8 carries U+FFFD instead of its bytes). A path that exists as
// it is encoded is taken as it is; otherwise each part of it that does not exist is
// matched against the real names in its folder and replaced by the one entry that Qt
// shows the same way. A part without such an entry (a new file's name, two look-alikes)
// stays as written. Returns bytes.
std::string DateinameAufloesen(const QString& gezeigt);

// The absolute form of the name `bytes`, relative to the current folder, with "." and
// ".." taken out; bytes in, bytes out.
std::string DateinameAbsolut(const std::string& bytes);

}  // namespace orbisto
