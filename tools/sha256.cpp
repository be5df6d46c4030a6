#include "tools/sha256.h"

#include <openssl/evp.h>

#include <stdexcept>

namespace filmeria {

void Sha256::Free::operator()(evp_md_ctx_st* context) const {
    EVP_MD_CTX_free(context);
}

Sha256::Sha256()
    : context_(EVP_MD_CTX_new()) {
    if (!context_ || EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) != 1)
        throw std::runtime_error("SHA-256 non disponibile");
}

Sha256::~Sha256() = default;

void Sha256::add(const char* data, std::size_t size) {
    if (EVP_DigestUpdate(context_.get(), data, size) != 1)
        throw std::runtime_error("SHA-256 non riuscito");
}

std::string Sha256::hex() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context_.get(), digest, &length) != 1)
        throw std::runtime_error("SHA-256 non riuscito");
    static const char* const kDigits = "0123456789abcdef";
    std::string out;
    out.reserve(std::size_t{2} * length);
    for (unsigned int i = 0; i < length; ++i) {
        out += kDigits[digest[i] >> 4];
        out += kDigits[digest[i] & 0x0F];
    }
    return out;
}

} // namespace filmeria
