// Page 0 of an Access file: any bytes, never a fault. A file passes the check only when
// it is a whole Jet3/Jet4 file whose password (if any) is the program's.
#include "database/jet_header.h"

#include <QByteArray>
#include <cstdint>

namespace {

using reference::detail::checkJetHeader;
using reference::detail::decodeJetHeader;
using reference::detail::JetCheck;
using reference::detail::jetCheckMessage;

const QString kPassword = QStringLiteral("owl4827");

void check(const QByteArray& head, qint64 fileSize) {
    const JetCheck c = checkJetHeader(head, fileSize, kPassword);
    if ((c == JetCheck::Ok) != jetCheckMessage(c, QStringLiteral("x.mdb")).isEmpty())
        __builtin_trap();
    if (c != JetCheck::Ok) return;
    const auto h = decodeJetHeader(head);
    if (!h || (h->version != 0 && h->version != 1)) __builtin_trap();
    if (fileSize < 2 * h->pageSize || fileSize % h->pageSize != 0) __builtin_trap();
    if (!h->password.isEmpty() && h->password != kPassword) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray head(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto h = decodeJetHeader(head);
    if (h && (h->password.size() > 20 || h->pageSize != (h->version == 0 ? 2048 : 4096)))
        __builtin_trap();
    // The head as the whole file, and as the first page of files of other sizes.
    check(head, static_cast<qsizetype>(size));
    for (qint64 fileSize : {0ll, 2048ll, 4096ll, 6144ll, 114688ll, 114689ll, -1ll})
        check(head, fileSize);
    // Any other password is refused unless the file has none.
    const QString other = QStringLiteral("other");
    if (checkJetHeader(head, 114688, other) == JetCheck::Ok &&
        (!h || (!h->password.isEmpty() && h->password != other)))
        __builtin_trap();
    return 0;
}
