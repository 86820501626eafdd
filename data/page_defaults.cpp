// Default content of a fresh image. The parameters belong to the instrument; the
// program only carries them. Bytes not named here are deliberately left alone.

#include <initializer_list>

#include "data/address_block.h"
#include "data/eeprom_image.h"
#include "data/host_order.h"

namespace pemlar {

namespace {

class PageWriter {
public:
    PageWriter(Page page, const ImageSources& sources) : page_(page), sources_(sources) {}

    void putBytes(int offset, std::initializer_list<std::uint8_t> values) {
        for (std::uint8_t v : values) {
            page_[offset++] = v;
        }
    }
    void repeat(int offset, int count, std::uint8_t value) {
        for (int i = 0; i < count; ++i) {
            page_[offset + i] = value;
        }
    }
    void words(int offset, std::initializer_list<std::uint16_t> values) {
        for (std::uint16_t v : values) {
            storeHost16(page_, offset, v);
            offset += 2;
        }
    }
    void word32(int offset, std::uint32_t value) { storeHost32(page_, offset, value); }
    // Pseudo-random bytes from `first` to `last` inclusive.
    void filler(int first, int last) {
        for (int i = first; i <= last; ++i) {
            page_[i] = sources_.fillerByte();
        }
    }

private:
    Page page_;
    const ImageSources& sources_;
};

void page0Defaults(PageWriter w) {
    w.word32(0x00, 7920000);
    w.word32(0x04, 720000);
    w.word32(0x08, 0);
    w.word32(0x0C, 0);
    w.putBytes(0x10, {0});
    w.words(0x11, {1200, 600, 300});
    w.putBytes(0x17, {0});
    w.words(0x18, {1000});
    w.putBytes(0x1A, {1, 210, 1, 127});
    w.repeat(0x1E, 6, '?');
    w.putBytes(0x26, {1});
    w.repeat(0x27, 20, 0);
    w.repeat(0x3B, 20, 30);
    w.putBytes(0x4F, {0});  // three empty 16-byte texts
    w.putBytes(0x5F, {0});
    w.putBytes(0x6F, {0});
    w.repeat(0x7F, 3, 0);
    w.repeat(0x82, 3, 0);
    w.repeat(0x85, 3, 0);
    w.words(0x88, {0, 0, 0});
    w.words(0x8E, {0, 0, 0});
    w.putBytes(0x94, {0});
    w.repeat(0x95, 4, 0);
    w.words(0x9D, {0, 0, 0, 0});
    w.putBytes(0xAD, {0, 1, 2, 8});
    w.putBytes(0xB1, {'g', 'm', 'd', 'e'});
    w.putBytes(0xB5, {0, 0, 1});
    w.filler(0xB8, 0xFD);
}

void page1Defaults(PageWriter w) {
    for (int line = 0; line < kLineCount; ++line) {
        w.putBytes(line * kLineSlotSize, {0});
    }
    // The ID slot (125-149) keeps whatever it held.
    w.filler(150, 253);
}

void page2Defaults(PageWriter w) {
    w.words(0x00, {20400, 1000, 1000});
    w.putBytes(0x06, {236, 236});
    // Of each eight-word row below, the last two words are never written.
    w.words(0x08, {1050, 0, 340, 300, 300, 300});
    w.words(0x18, {0, 0, 0, 0, 0, 0});
    w.words(0x28, {1000, 1000, 1000, 1000, 1000, 1000});
    // 8x8 matrix, 16 bytes per row; only rows and columns 0-5 are set.
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 6; ++col) {
            w.words(0x38 + 16 * row + 2 * col, {static_cast<std::uint16_t>(row == col ? 1000 : 0)});
        }
    }
    w.words(0xB8, {667, 1000, 1000});
    w.filler(0xBE, 0xFD);
}

void page3Defaults(PageWriter w) {
    w.putBytes(0x00, {0xFF});
}

void page7Defaults(PageWriter w, const ImageSources& sources) {
    w.putBytes(0x00, {'T', 'Q', '1', '-', '0', '0', '0', '1', 0});
    w.word32(0x09, sources.secondsSinceEpoch());
    w.words(0x0D, {49});
    w.putBytes(0x11, {0, 0, 0, 1, 2, 0, 0, 0});
    w.words(0x1C, {40, 20, 0, 0, 0});  // the last three of eight words not written
    w.filler(0x2C, 0x49);
    w.filler(0x4C, 0xFD);
}

}  // namespace

void setDefaults(EepromImage& image, const ImageSources& sources) {
    page0Defaults(PageWriter(pageOf(image, 0), sources));
    page1Defaults(PageWriter(pageOf(image, 1), sources));
    page2Defaults(PageWriter(pageOf(image, 2), sources));
    page3Defaults(PageWriter(pageOf(image, 3), sources));
    page7Defaults(PageWriter(pageOf(image, 7), sources), sources);
    // Each checksum covers only its own page, so computing them after all pages are
    // written gives the same bytes as computing each right after its page.
    updateChecksums(image);
}

}  // namespace pemlar
