#pragma once

#include "users/cipher/CipherModuleApi.h"

namespace orfa::users {

// The cipher module's functions. The module is loaded at the first call: from the
// library folder of an installed program (<bindir>/../<libdir>/orfa), else from the
// build tree. Null when it cannot be loaded; that is logged once in orfa.users.cipher,
// and every later call returns null at once.
struct CipherModule {
    cipher::EncryptFunction encrypt = nullptr;
    cipher::DecryptFunction decrypt = nullptr;
};
const CipherModule* cipherModule();

} // namespace orfa::users
