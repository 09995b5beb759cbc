#include "text/decipher.h"
#include "text/site_base_cipher.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace kinovra {
namespace {

Text T(std::string_view bytes)
{
    return Text{ bytes };
}

// Worked out by hand from the cipher's description, independently of the code under test.
constexpr std::string_view kAddress = "http://127.0.0.1:17865";
constexpr std::string_view kAddressCipher =
    "79,FF,1E,07,83,B3,78,F3,88,93,9C,15,16,1B,56,89,5E,04,8E,5C,87,A9,";

TEST(HexToIntTest, ReadsHexadecimalDigitsOfEitherCase)
{
    struct Case
    {
        std::string_view text;
        int expected;
    };
    const Case cases[] = {
        { "", 0 },
        { "0", 0 },
        { "7", 7 },
        { "a", 10 },
        { "F", 15 },
        { "0F", 15 },
        { "F0", 240 },
        { "f0", 240 },
        { "fF", 255 },
        { "7FFFFFFF", INT_MAX },
        // Wider numbers wrap around as 32-bit arithmetic does.
        { "FFFFFFFF", -1 },
        { "100000000", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
        EXPECT_EQ(HexToInt(T(c.text)), c.expected);
    }
}

TEST(DecipherTextTest, DeciphersAKnownCipherText)
{
    EXPECT_EQ(DecipherText(T(kAddressCipher)), T(kAddress));
    EXPECT_EQ(EncipherText(T(kAddress)), T(kAddressCipher));
    EXPECT_EQ(EncipherText(T("Kinovra"), T("key")), T("92,11,2C,7D,28,DC,EF,"));
    EXPECT_EQ(DecipherText(T("92,11,2C,7D,28,DC,EF,"), T("key")), T("Kinovra"));
}

TEST(DecipherTextTest, IgnoresCommasAndTheCaseOfDigits)
{
    const std::string_view forms[] = {
        "79FF1E0783B378F388939C15161B56895E048E5C87A9",
        "79,FF,1E,07,83,B3,78,F3,88,93,9C,15,16,1B,56,89,5E,04,8E,5C,87,A9",
        ",,79F,F1E0,783B378F388939C15161B56895E048E5C87A9,,",
        "79,ff,1e,07,83,b3,78,f3,88,93,9c,15,16,1b,56,89,5e,04,8e,5c,87,a9,",
    };
    for (const std::string_view form : forms) {
        SCOPED_TRACE(form);
        EXPECT_EQ(DecipherText(T(form)), T(kAddress));
    }
}

TEST(DecipherTextTest, HandlesEmptyOddAndZeroOutput)
{
    EXPECT_EQ(DecipherText(Text{}), Text{});
    EXPECT_EQ(DecipherText(Text{}, T("key")), Text{});
    EXPECT_EQ(DecipherText(T(",,,")), Text{});

    // The last digit alone forms a byte.
    EXPECT_EQ(DecipherText(T("79,F")), DecipherText(T("79,0F")));
    EXPECT_EQ(DecipherText(T("79,F")).length(), 2);

    // 79 is 'h' enciphered, so 79 ^ 'h' enciphers a zero byte, which ends the text.
    EXPECT_EQ(DecipherText(T("11,FF,")), Text{});
    EXPECT_EQ(DecipherText(T("79,FF,1E")), T("htt"));
    EXPECT_EQ(DecipherText(T("79,8B,1E")), T("h"));
}

TEST(EncipherTextTest, WritesCapitalPairsEachFollowedByAComma)
{
    const Text cipher = EncipherText(T("\xD6\xD0 any bytes \xFF"));
    const std::string_view bytes = cipher.bytes();
    ASSERT_EQ(bytes.size(), 3u * 14u);
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        SCOPED_TRACE(pos);
        if (pos % 3 == 2)
            EXPECT_EQ(bytes[pos], ',');
        else
            EXPECT_NE(
                std::string_view{ "0123456789ABCDEF" }.find(bytes[pos]), std::string_view::npos);
    }
    EXPECT_EQ(EncipherText(Text{}), Text{});
}

TEST(EncipherTextTest, DecipheringGivesThePlainTextBack)
{
    std::mt19937 random{ 20240611 };
    std::uniform_int_distribution<int> byte{ 1, 255 };
    std::uniform_int_distribution<int> length{ 0, 80 };
    const auto randomText = [&](int size) {
        std::string bytes;
        for (int n = 0; n < size; ++n)
            bytes += static_cast<char>(byte(random));
        return Text{ std::move(bytes) };
    };
    const Text keys[] = { Text{}, randomText(1), randomText(300) };
    for (const Text& key : keys) {
        for (int round = 0; round < 200; ++round) {
            const Text plain = randomText(length(random));
            SCOPED_TRACE(
                testing::Message() << "key of " << key.length() << " bytes, round " << round);
            ASSERT_EQ(DecipherText(EncipherText(plain, key), key), plain);
        }
    }
    const Text plain{ kAddress };
    EXPECT_EQ(
        EncipherText(plain, keys[2]), EncipherText(plain, Text{ keys[2].bytes().substr(0, 256) }))
        << "a key longer than 256 bytes uses only its first 256";
    EXPECT_NE(EncipherText(plain, keys[1]), EncipherText(plain));
}

// Textbook RC4, to show that our cipher texts are not RC4's.
std::string Rc4(std::string_view data, std::string_view key)
{
    std::array<std::uint8_t, 256> s{};
    for (int x = 0; x < 256; ++x)
        s[x] = static_cast<std::uint8_t>(x);
    unsigned j = 0;
    for (int x = 0; x < 256; ++x) {
        const auto k = key.empty() ? 0u : static_cast<unsigned char>(key[x % key.size()]);
        j = (j + s[x] + k) % 256;
        std::swap(s[x], s[j]);
    }
    std::string out;
    unsigned i = 0;
    j = 0;
    for (const char c : data) {
        i = (i + 1) % 256;
        j = (j + s[i]) % 256;
        std::swap(s[i], s[j]);
        out += static_cast<char>(static_cast<unsigned char>(c) ^ s[(s[i] + s[j]) % 256]);
    }
    return out;
}

std::string CipherBytes(const Text& cipher)
{
    std::string bytes;
    const std::string_view digits = cipher.bytes();
    for (std::size_t pos = 0; pos + 1 < digits.size(); pos += 3)
        bytes += static_cast<char>(std::stoi(std::string{ digits.substr(pos, 2) }, nullptr, 16));
    return bytes;
}

TEST(EncipherTextTest, StandardRc4DoesNotDecipherIt)
{
    const Text keys[] = { Text{}, T("k"), T("a longer key") };
    for (const Text& key : keys) {
        SCOPED_TRACE(key.str());
        const std::string cipher = CipherBytes(EncipherText(T(kAddress), key));
        ASSERT_EQ(cipher.size(), kAddress.size());
        EXPECT_NE(Rc4(cipher, key.bytes()), kAddress);
        EXPECT_NE(Rc4(kAddress, key.bytes()), cipher);
    }
}

TEST(SiteBaseCipherTest, DeciphersToTheConfiguredAddress)
{
    EXPECT_EQ(DecipherText(kSiteBaseCipher), T(KINOVRA_EXPECTED_SITE_BASE));
    EXPECT_EQ(kSiteBaseCipher, EncipherText(T(KINOVRA_EXPECTED_SITE_BASE)));
}

} // namespace
} // namespace kinovra
