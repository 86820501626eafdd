#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "data/address_text.h"
#include "slot_text.h"

using namespace pemlar;

namespace {

using namespace std::string_literals;

constexpr int kGuard = 32;
constexpr std::uint8_t kGuardByte = 0xA5;

std::string randomText(std::mt19937& rng) {
    static const std::string pieces[] = {"\r\n", "\r", "\n", "\0"s, " ", "\x80", "\xFC", "\xFF"};
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> piece(0, std::size(pieces) - 1);
    std::string text;
    for (int n = length(rng); static_cast<int>(text.size()) < n;) {
        if (kind(rng) == 0) {
            text += pieces[piece(rng)];
        } else {
            text += static_cast<char>(anyByte(rng));
        }
    }
    return text;
}

std::vector<std::string> editTexts() {
    std::vector<std::string> texts = {
        "",
        std::string(10000, 'x'),
        std::string(10000, '\r'),
        std::string(10000, '\0'),
        std::string(500, ' '),
        "ABC\r",
        "ABC\rDEF\rGHI",
        "\r\n\r\n\r\n\r\n\r\n\r\n",
        "\0\r\n\0\r\n\0"s,
    };
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b) {
        high += static_cast<char>(b);
    }
    texts.push_back(high);
    std::mt19937 rng(20240517);
    for (int i = 0; i < 3000; ++i) {
        texts.push_back(randomText(rng));
    }
    return texts;
}

void expectWellFormedText(const std::string& shown, const std::string& context) {
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\r'), 4) << context;
    EXPECT_LE(shown.size(), 128u) << context;
}

TEST(SlotInvariants, AnyEditTextGivesFiveWellFormedSlots) {
    for (const std::string& text : editTexts()) {
        const std::string context = "text of " + std::to_string(text.size()) + " bytes";
        std::vector<std::uint8_t> buffer(kAddressBlockSize + 2 * kGuard, kGuardByte);
        AddressSlots slots(buffer.data() + kGuard, kAddressBlockSize);
        takeAddress(text, slots);

        for (int i = 0; i < kGuard; ++i) {
            ASSERT_EQ(buffer[i], kGuardByte) << context;
            ASSERT_EQ(buffer[buffer.size() - 1 - i], kGuardByte) << context;
        }
        for (int line = 0; line < kLineCount; ++line) {
            const LineSlot slot = lineSlotOf(slots, line);
            ASSERT_NE(std::find(slot.begin(), slot.begin() + kLineMaxChars + 1, 0),
                      slot.begin() + kLineMaxChars + 1)
                << context << ", line " << line;
            EXPECT_EQ(slotText(slot).find('\r'), std::string::npos) << context;
        }

        const std::string shown = showAddress(slots);
        expectWellFormedText(shown, context);
        // What is shown is taken back unchanged.
        std::array<std::uint8_t, kAddressBlockSize> again{};
        takeAddress(shown, again);
        EXPECT_EQ(showAddress(again), shown) << context;

        const std::string left = alignLeft(text), centred = alignCentre(text);
        expectWellFormedText(left, context);
        expectWellFormedText(centred, context);
        EXPECT_EQ(alignLeft(left), left) << context;
        EXPECT_EQ(alignCentre(centred), centred) << context;
    }
}

// Whatever bytes the slots hold (a foreign file's CR or LF included), the edit shows
// five lines, and taking them back gives every line byte for byte.
TEST(SlotInvariants, ArbitrarySlotBytesComeBackByteForByte) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> anyByte(0, 255);
    for (int round = 0; round < 500; ++round) {
        AddressBuffer slots{};
        for (auto& b : slots) {
            b = static_cast<std::uint8_t>(round % 2 ? anyByte(rng) : anyByte(rng) % 16);
        }
        const std::u32string shown = showAddressChars(slots);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), U'\r'), 4) << round;
        EXPECT_EQ(std::count(shown.begin(), shown.end(), U'\n'), 4) << round;
        EXPECT_LE(shown.size(), 128u);
        AddressBuffer again{};
        takeAddress(shown, again);
        for (int line = 0; line < kLineCount; ++line) {
            EXPECT_EQ(slotText(lineSlotOf(again, line)), slotText(lineSlotOf(slots, line)))
                << round;
        }
    }
}

}  // namespace
