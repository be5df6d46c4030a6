#pragma once
// SHA-256 through OpenSSL's libcrypto, which uses the processor's SHA instructions where it has
// them: the backup hashes every byte of a store.
#include <cstddef>
#include <memory>
#include <string>

struct evp_md_ctx_st;

namespace filmeria {

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(const char* data, std::size_t size);
    // The digest as 64 lowercase hexadecimal digits; the hash is finished with it.
    std::string hex();

private:
    struct Free {
        void operator()(evp_md_ctx_st* context) const;
    };
    std::unique_ptr<evp_md_ctx_st, Free> context_;
};

} // namespace filmeria
