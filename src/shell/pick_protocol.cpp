#include "shell/pick_protocol.h"

#include <cerrno>

#include <sys/socket.h>
#include <unistd.h>

namespace pigmentrix {
namespace {

constexpr QByteArrayView Taken = "taken ";
constexpr QByteArrayView GaveUp = "gave up";
// An answer is one line; a code is short.
constexpr qsizetype LongestAnswer = 64 * 1024;

} // namespace

bool SendAll(int descriptor, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::send(descriptor, bytes.data(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

QByteArray EncodePickAnswer(const PickAnswer &answer)
{
    if (!answer.code)
        return GaveUp.toByteArray() + '\n';
    QByteArray line = Taken.toByteArray();
    const QByteArray code = answer.code->toUtf8();
    for (const char c : code) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '%')
            line += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        else
            line += c;
    }
    return line + '\n';
}

std::optional<PickAnswer> DecodePickAnswer(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line == GaveUp)
        return PickAnswer{};
    if (!line.startsWith(Taken))
        return std::nullopt;
    const QByteArray code = QByteArray::fromPercentEncoding(line.sliced(Taken.size()).toByteArray());
    return PickAnswer{QString::fromUtf8(code)};
}

std::optional<PickAnswer> AskToPick(int connection)
{
    if (!SendAll(connection, PickRequest))
        return std::nullopt;
    QByteArray received;
    while (!received.contains('\n') && received.size() <= LongestAnswer) {
        char chunk[512];
        const ssize_t count = ::recv(connection, chunk, sizeof chunk, 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return std::nullopt;
        received.append(chunk, count);
    }
    const qsizetype end = received.indexOf('\n');
    if (end < 0)
        return std::nullopt;
    return DecodePickAnswer(QByteArrayView(received).first(end));
}

} // namespace pigmentrix
