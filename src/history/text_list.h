#pragma once
// @brief A text list as the program's list files hold it: lines, and the encoding the
// file was read in, so that writing it back keeps the file as the user's other tools
// expect it. Only bytes are made here; they reach the disk solely through
// TextListStore, whose QSaveFile replaces a list whole or not at all.

#include "common/result.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace morvelin {

// Windows-1252 without a byte-order mark is the lists' own encoding; a file that came
// with a UTF-8 or UTF-16 byte-order mark is written back with it.
enum class TextEncoding { Windows1252, Utf8Bom, Utf16LeBom, Utf16BeBom };

struct TextList {
    QStringList lines;
    TextEncoding encoding = TextEncoding::Windows1252;

    friend bool operator==(const TextList &, const TextList &) = default;
};

// Every line followed by CR LF, the last one too: how the list files and the lists put
// on the clipboard hold their lines.
QString JoinLinesCrLf(const QStringList &lines);

// The lines of a file's bytes: a byte-order mark chooses the encoding, otherwise
// Windows-1252, which reads every byte; CR LF, LF and a lone CR all end a line, and a
// final line break adds no empty line. Fails, saying why, on bytes that the marked
// encoding cannot read, so a list is never written back with characters lost.
Result<TextList> DecodeTextList(const QByteArray &bytes);

// Every line ended by CR LF, in the list's encoding. A Windows-1252 list holding a
// character that Windows-1252 cannot hold is written as UTF-8 with a byte-order mark.
QByteArray EncodeTextList(const TextList &list);

// The bytes of a list with one more line, made from the bytes it was read from: only
// where that gives exactly what decoding, adding the line and encoding would, that is a
// Windows-1252 list whose every line already ends in CR LF and a line that Windows-1252
// holds. Nothing otherwise. A save into a long list thus need not read every line.
std::optional<QByteArray> AppendLineToBytes(const QByteArray &bytes, const QString &line);

} // namespace morvelin
