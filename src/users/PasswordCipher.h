#pragma once

#include <QString>

// The password cipher: how a user's password is stored, in the settings file and in the
// central database alike. Stored forms written by earlier versions must keep working, so
// the form is fixed to the byte:
//   key      SHA-1 of the key text's bytes (20 bytes), CAST-256 with that 160-bit key;
//   IV       the CAST-256 encryption of 16 zero bytes;
//   cipher   CFB with 8-bit feedback over the password's Windows-1250 bytes;
//   text     Base64 (standard alphabet, '=' padding, no line breaks) of the cipher
//            bytes, and Base64 again of that text.
// Each call starts afresh, so equal passwords give equal stored forms. Key material is
// overwritten when a call ends.
namespace orfa::users {

// The key text every caller uses.
inline QString passwordKey() {
    return QStringLiteral("vbr4k71xqe");
}

// The stored form of password under key. Empty for an empty password, and empty when the
// password or the key has a character outside Windows-1250 (see canEncrypt()).
QString encryptPassword(const QString& password, const QString& key);

// The password of a stored form. Each Base64 step reads complete groups of four
// characters and ignores what follows the last one; anything that is not Base64 gives
// empty text, as does an empty stored form.
QString decryptPassword(const QString& stored, const QString& key);

// The longest password (in characters, each one byte in Windows-1250) whose stored form has
// at most storedLimit characters: a store that holds storedLimit characters of stored form
// holds every password up to this length and none longer.
qsizetype longestPassword(qsizetype storedLimit);

// Whether encryptPassword() can store password: every character is in Windows-1250. An editor
// checks this first, so that a password is never silently stored as empty.
bool canEncrypt(const QString& password);

} // namespace orfa::users
