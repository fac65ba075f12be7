// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Digest.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

std::uint32_t RotateLeft(std::uint32_t x, int n)
{
    return (x << n) | (x >> (32 - n));
}

std::uint32_t RotateRight(std::uint32_t x, int n)
{
    return (x >> n) | (x << (32 - n));
}

// The message padded as both digests pad it: a 1 bit, zeros, and the length in bits as a
// big-endian 64-bit number, to a whole number of 64-byte blocks.
std::vector<unsigned char> Padded(std::string_view bytes)
{
    std::vector<unsigned char> message(bytes.begin(), bytes.end());
    const std::uint64_t bits = std::uint64_t(bytes.size()) * 8;
    message.push_back(0x80);
    while (message.size() % 64 != 56)
        message.push_back(0);
    for (int shift = 56; shift >= 0; shift -= 8)
        message.push_back(static_cast<unsigned char>(bits >> shift));
    return message;
}

// Sixteen big-endian words of one block, extended to rounds words by extend.
template <std::size_t Rounds, class Extend>
std::array<std::uint32_t, Rounds> Schedule(const unsigned char* block, Extend extend)
{
    std::array<std::uint32_t, Rounds> w{};
    for (int i = 0; i < 16; ++i)
        w[i] = std::uint32_t(block[4 * i]) << 24 | std::uint32_t(block[4 * i + 1]) << 16 |
               std::uint32_t(block[4 * i + 2]) << 8 | std::uint32_t(block[4 * i + 3]);
    for (std::size_t i = 16; i < Rounds; ++i)
        w[i] = extend(w, i);
    return w;
}

template <std::size_t N> std::string Hex(const std::array<std::uint32_t, N>& words)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (std::uint32_t word : words)
        for (int shift = 28; shift >= 0; shift -= 4)
            text += digits[(word >> shift) & 0xF];
    return text;
}

} // namespace

std::string Sha256Hex(std::string_view bytes)
{
    static const std::uint32_t k[64] = {
        0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
        0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
        0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
        0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
        0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
        0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
        0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
        0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};
    std::array<std::uint32_t, 8> h = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                      0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    const std::vector<unsigned char> message = Padded(bytes);
    for (std::size_t at = 0; at < message.size(); at += 64) {
        const auto w = Schedule<64>(message.data() + at, [](const auto& w, std::size_t i) {
            const std::uint32_t s0 =
                RotateRight(w[i - 15], 7) ^ RotateRight(w[i - 15], 18) ^ (w[i - 15] >> 3);
            const std::uint32_t s1 = RotateRight(w[i - 2], 17) ^ RotateRight(w[i - 2], 19) ^ (w[i - 2] >> 10);
            return w[i - 16] + s0 + w[i - 7] + s1;
        });
        auto v = h;
        for (int i = 0; i < 64; ++i) {
            const std::uint32_t s1 = RotateRight(v[4], 6) ^ RotateRight(v[4], 11) ^ RotateRight(v[4], 25);
            const std::uint32_t choice = (v[4] & v[5]) ^ (~v[4] & v[6]);
            const std::uint32_t t1 = v[7] + s1 + choice + k[i] + w[i];
            const std::uint32_t s0 = RotateRight(v[0], 2) ^ RotateRight(v[0], 13) ^ RotateRight(v[0], 22);
            const std::uint32_t majority = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
            v = {t1 + s0 + majority, v[0], v[1], v[2], v[3] + t1, v[4], v[5], v[6]};
        }
        for (int i = 0; i < 8; ++i)
            h[i] += v[i];
    }
    return Hex(h);
}

std::string Sha1Hex(std::string_view bytes)
{
    std::array<std::uint32_t, 5> h = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    const std::vector<unsigned char> message = Padded(bytes);
    for (std::size_t at = 0; at < message.size(); at += 64) {
        const auto w = Schedule<80>(message.data() + at, [](const auto& w, std::size_t i) {
            return RotateLeft(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
        });
        auto v = h;
        for (int i = 0; i < 80; ++i) {
            std::uint32_t f, k;
            if (i < 20) {
                f = (v[1] & v[2]) | (~v[1] & v[3]);
                k = 0x5A827999;
            } else if (i < 40) {
                f = v[1] ^ v[2] ^ v[3];
                k = 0x6ED9EBA1;
            } else if (i < 60) {
                f = (v[1] & v[2]) | (v[1] & v[3]) | (v[2] & v[3]);
                k = 0x8F1BBCDC;
            } else {
                f = v[1] ^ v[2] ^ v[3];
                k = 0xCA62C1D6;
            }
            v = {RotateLeft(v[0], 5) + f + v[4] + k + w[i], v[0], RotateLeft(v[1], 30), v[2], v[3]};
        }
        for (int i = 0; i < 5; ++i)
            h[i] += v[i];
    }
    return Hex(h);
}
