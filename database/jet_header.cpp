#include "database/jet_header.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace reference::detail {

namespace {

constexpr int kMaskedStart = 0x18;
constexpr int kPasswordOffset = 0x42;
constexpr int kCreatedOffset = 0x72;
constexpr int kVersionOffset = 0x14;

// The bytes that follow the signature are XOR-ed with the RC4 keystream of this fixed key.
std::array<uint8_t, 128> headerKeystream() {
    static const uint8_t key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    std::array<uint8_t, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<uint8_t>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % 4]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    std::array<uint8_t, 128> out{};
    for (int n = 0, i = 0, j = 0; n < 128; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        out[n] = s[(s[i] + s[j]) & 0xFF];
    }
    return out;
}

uint8_t byteAt(const QByteArray& b, int i) {
    return static_cast<uint8_t>(b.at(i));
}

} // namespace

std::optional<JetHeader> decodeJetHeader(const QByteArray& page0) {
    static const QByteArray kJet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    if (page0.size() < kMaskedStart + 128 || !page0.startsWith(kJet)) return std::nullopt;
    JetHeader h;
    h.version = byteAt(page0, kVersionOffset);
    if (h.version > 1) return std::nullopt;
    h.pageSize = h.version == 0 ? 2048 : 4096;

    // Jet3 masks 126 bytes, Jet4 128.
    const int masked = h.version == 0 ? 126 : 128;
    const auto stream = headerKeystream();
    QByteArray plain = page0.left(kMaskedStart + 128);
    for (int i = 0; i < masked; ++i)
        plain[kMaskedStart + i] = static_cast<char>(byteAt(plain, kMaskedStart + i) ^ stream[i]);

    if (h.version == 0) {
        // 20 single-byte characters, zero-padded.
        QByteArray pwd = plain.mid(kPasswordOffset, 20);
        const qsizetype end = pwd.indexOf('\0');
        if (end >= 0) pwd.truncate(end);
        h.password = QString::fromLatin1(pwd);
        return h;
    }

    double created = 0;
    std::memcpy(&created, plain.constData() + kCreatedOffset, sizeof created);
    h.created = created;
    // The password is further masked with the creation date's whole days (little-endian
    // int32). A damaged date that has no such value leaves the password unmasked.
    int32_t days = 0;
    if (std::isfinite(created) && created > -2147483648.0 && created < 2147483648.0)
        days = static_cast<int32_t>(created);
    const uint8_t mask[4] = {static_cast<uint8_t>(days), static_cast<uint8_t>(days >> 8),
                             static_cast<uint8_t>(days >> 16), static_cast<uint8_t>(days >> 24)};
    QString pwd;
    for (int i = 0; i < 40; i += 2) {
        const uint8_t lo = byteAt(plain, kPasswordOffset + i) ^ mask[i % 4];
        const uint8_t hi = byteAt(plain, kPasswordOffset + i + 1) ^ mask[(i + 1) % 4];
        const char16_t unit = static_cast<char16_t>(lo | (hi << 8));
        if (unit == 0) break;
        pwd.append(QChar(unit));
    }
    h.password = pwd;
    return h;
}

JetCheck checkJetHeader(const QByteArray& head, qint64 fileSize, const QString& password) {
    if (fileSize == 0) return JetCheck::Empty;
    static const QByteArray kAce("\x00\x01\x00\x00Standard ACE DB\x00", 20);
    if (head.startsWith(kAce)) return JetCheck::NewerFormat;
    const std::optional<JetHeader> h = decodeJetHeader(head);
    if (!h) {
        static const QByteArray kJet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
        // A Jet signature with a version this reader does not know is a newer format.
        if (head.startsWith(kJet))
            return head.size() < kMaskedStart + 128 ? JetCheck::Truncated : JetCheck::NewerFormat;
        if (!head.isEmpty() && kJet.startsWith(head)) return JetCheck::Truncated;
        return JetCheck::NotAccess;
    }
    if (fileSize < 2 * h->pageSize || fileSize % h->pageSize != 0) return JetCheck::Truncated;
    if (!h->password.isEmpty() && h->password != password) return JetCheck::WrongPassword;
    return JetCheck::Ok;
}

QString jetCheckMessage(JetCheck check, const QString& shownPath) {
    switch (check) {
    case JetCheck::Ok:
        return QString();
    case JetCheck::Empty:
        return QStringLiteral("The database file %1 is empty (0 bytes).").arg(shownPath);
    case JetCheck::NotAccess:
        return QStringLiteral("The file %1 is not an Access database.").arg(shownPath);
    case JetCheck::NewerFormat:
        return QStringLiteral("The database file %1 is in an Access format newer than Access "
                              "2003, which this program does not read.")
            .arg(shownPath);
    case JetCheck::Truncated:
        return QStringLiteral("The database file %1 is damaged: it is incomplete.").arg(shownPath);
    case JetCheck::WrongPassword:
        return QStringLiteral("The database file %1 is protected with another password and "
                              "cannot be opened.")
            .arg(shownPath);
    }
    return QString();
}

} // namespace reference::detail
