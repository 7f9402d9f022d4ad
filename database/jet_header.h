#pragma once

// Page 0 of an Access (Jet) database file: signature, format and database password.
// Pure functions of the bytes, so that a damaged or hostile header can do no harm.

#include <QByteArray>
#include <QString>
#include <optional>

namespace reference::detail {

// Bytes of the file to read for the check (one Jet4 page; a Jet3 page is half of it).
inline constexpr int kJetHeaderBytes = 4096;

struct JetHeader {
    int version = 0;    // 0 Jet3 (Access 97), 1 Jet4 (Access 2000-2003)
    int pageSize = 0;   // 2048 or 4096 bytes
    double created = 0; // creation date, days since 1899-12-30 (Jet4 only)
    QString password;   // empty when the file has none
};

// Decodes page 0. Returns nothing when the bytes are not the page 0 of a Jet3 or Jet4 file.
std::optional<JetHeader> decodeJetHeader(const QByteArray& page0);

enum class JetCheck {
    Ok,
    Empty,         // a file of 0 bytes
    NotAccess,     // no Jet signature
    NewerFormat,   // an Access 2007 or later (ACE) file
    Truncated,     // shorter than two pages, or not a whole number of pages
    WrongPassword, // protected with another password
};

// Checks that a file of `fileSize` bytes starting with `head` is a whole Jet3/Jet4 database
// that opens with `password`, the way the Access engine checks it: a file without a
// password opens with any; otherwise the passwords must match exactly (case included).
JetCheck checkJetHeader(const QByteArray& head, qint64 fileSize, const QString& password);

// The message for the user for a failed check.
QString jetCheckMessage(JetCheck check, const QString& shownPath);

} // namespace reference::detail
