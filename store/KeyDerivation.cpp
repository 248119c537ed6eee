#include "store/KeyDerivation.h"

#include <sodium.h>

static_assert(kSaltSize == crypto_pwhash_SALTBYTES);
static_assert(kKeySize == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);

bool DeriveKey(std::string_view password, const unsigned char* salt, const KdfParams& params,
               CSecureBuffer& key)
{
    EnsureSodium();
    if (key.size() != kKeySize)
        return false;
    return crypto_pwhash(key.data(), key.size(), password.data(), password.size(), salt,
                         params.opsLimit, static_cast<size_t>(params.memLimit),
                         crypto_pwhash_ALG_ARGON2ID13) == 0;
}
