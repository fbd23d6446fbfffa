#include "text/unicode_text.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <optional>
#include <utility>

namespace lumble {

namespace {

icu::UnicodeString decode(std::string_view utf8)
{
    // fromUTF8 turns every ill-formed byte sequence into U+FFFD.
    return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
}

std::string encode(const icu::UnicodeString& text)
{
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

bool isAscii(std::string_view utf8)
{
    for (const unsigned char byte : utf8) {
        if (byte >= 0x80)
            return false;
    }
    return true;
}

// The UTF-16 bounds of the character at a 1-based position; nothing outside the text.
std::optional<std::pair<int32_t, int32_t>> characterBounds(const icu::UnicodeString& text, int position)
{
    if (position < 1 || position > text.countChar32())
        return std::nullopt;
    const int32_t start = text.moveIndex32(0, position - 1);
    return std::pair{start, text.moveIndex32(start, 1)};
}

} // namespace

std::string toNfc(std::string_view utf8)
{
    // Plain ASCII is already NFC; most names are, and they skip ICU entirely.
    if (isAscii(utf8))
        return std::string(utf8);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    const icu::UnicodeString decoded = decode(utf8);
    if (U_FAILURE(status))
        return encode(decoded);
    icu::UnicodeString normalized = nfc->normalize(decoded, status);
    return encode(U_SUCCESS(status) ? normalized : decoded);
}

int characterCount(std::string_view text)
{
    return decode(text).countChar32();
}

std::string characterAt(std::string_view text, int position)
{
    const icu::UnicodeString decoded = decode(text);
    const auto bounds = characterBounds(decoded, position);
    return bounds ? encode(decoded.tempSubStringBetween(bounds->first, bounds->second)) : std::string();
}

std::string replaceCharacterAt(std::string_view text, int position, std::string_view replacement)
{
    const icu::UnicodeString decoded = decode(text);
    const auto bounds = characterBounds(decoded, position);
    if (!bounds)
        return std::string(text);
    return encode(decoded.tempSubStringBetween(0, bounds->first)) + std::string(replacement) +
           encode(decoded.tempSubString(bounds->second));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return caseFoldKey(a) == caseFoldKey(b);
}

std::string caseFoldKey(std::string_view text)
{
    // Simple folding maps each character to one character, so equal keys
    // always mean texts of equal length.
    const icu::UnicodeString decoded = decode(text);
    icu::UnicodeString folded;
    for (int32_t i = 0; i < decoded.length();) {
        const UChar32 c = decoded.char32At(i);
        folded.append(u_foldCase(c, U_FOLD_CASE_DEFAULT));
        i += U16_LENGTH(c);
    }
    return encode(folded);
}

} // namespace lumble
