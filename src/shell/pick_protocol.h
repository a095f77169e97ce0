#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace pigmentrix {

// The pick request of the instance channel and its answer. A command asks
// the running picker with PickRequest and keeps the connection open; the
// picker answers once the user has taken a colour or given up.
inline constexpr QByteArrayView PickRequest = "pick\n";

// What the picker answers a pick request.
struct PickAnswer {
    // The taken colour's code as the code box shows it; nullopt when the
    // user gave up.
    std::optional<QString> code;
};

// "taken CODE\n" (line breaks, other control characters and "%" in the
// code written as %XX) or "gave up\n".
QByteArray EncodePickAnswer(const PickAnswer &answer);

// The answer a line holds (with or without its line break); nullopt for a
// line that is neither.
std::optional<PickAnswer> DecodePickAnswer(QByteArrayView line);

// Writes all of bytes to a socket; false where it has been closed.
bool SendAll(int descriptor, QByteArrayView bytes);

// Sends the pick request over a connected socket and waits, however long
// the user takes, for the answer; nullopt when the picker hung up first or
// answered nonsense.
std::optional<PickAnswer> AskToPick(int connection);

} // namespace pigmentrix
