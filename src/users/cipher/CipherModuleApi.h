#pragma once

#include <string>

// The functions of the cipher module (liborfa_cipher.so), the one part of the program
// that links Crypto++. The module is loaded the first time a password is encrypted or
// decrypted, so a panel that never logs anybody in does not map the library. Bytes in,
// bytes out: the Windows-1250 conversion stays with the caller.
namespace orfa::users::cipher {

// Fills stored with the stored form of plain under keyText; false, with why in error,
// when Crypto++ fails.
using EncryptFunction = bool (*)(const std::string& keyText, const std::string& plain,
                                 std::string& stored, std::string& error);
// Fills plain with the bytes of a stored form; false when the form is not Base64
// (error empty) or Crypto++ fails (error says why).
using DecryptFunction = bool (*)(const std::string& keyText, const std::string& stored,
                                 std::string& plain, std::string& error);

inline constexpr const char* kEncryptSymbol = "orfa_cipher_encrypt";
inline constexpr const char* kDecryptSymbol = "orfa_cipher_decrypt";

} // namespace orfa::users::cipher
