#include "platform/db/tsql/case_fold.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace zur::tsql {

namespace {

// The UTF-16 units one code point folds to, as QString::toCaseFolded gives them.
struct Folding {
    std::array<char16_t, 3> units{};
    quint8 size = 0;
};

Folding foldingOf(QStringView folded) {
    Folding f;
    f.size = quint8(folded.size());
    for (qsizetype i = 0; i < folded.size(); ++i)
        f.units[i] = folded[i].unicode();
    return f;
}

// The folding of every code point of the basic plane. Blocks are folded whole and taken apart
// unit by unit when the folded block keeps its length (each code point then gave one unit).
std::vector<Folding> buildBasicPlane() {
    constexpr int kBlock = 256;
    std::vector<Folding> table(0x10000);
    QString block(kBlock, Qt::Uninitialized);
    for (int start = 0; start < 0x10000; start += kBlock) {
        if (QChar::isSurrogate(char32_t(start)))
            continue;  // never decoded from valid UTF-8
        for (int i = 0; i < kBlock; ++i)
            block[i] = QChar(char16_t(start + i));
        const QString folded = block.toCaseFolded();
        const bool oneToOne = folded.size() == kBlock;
        for (int i = 0; i < kBlock; ++i) {
            table[start + i] = oneToOne ? foldingOf(QStringView(folded).sliced(i, 1))
                                        : foldingOf(QString(block[i]).toCaseFolded());
        }
    }
    return table;
}

const Folding& basicPlaneFolding(char32_t c) {
    static const std::vector<Folding> table = buildBasicPlane();
    return table[c];
}

// Decodes the code point starting at `text[pos]` and advances `pos`; nothing for a malformed
// sequence (overlong, surrogate, beyond U+10FFFF, cut short).
std::optional<char32_t> decode(std::string_view text, size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    // The length of the sequence, the payload bits of its lead byte and the least code point
    // it may carry (anything less is overlong).
    struct Shape {
        size_t length;
        unsigned char payload;
        char32_t least;
    };
    Shape shape{};
    if (lead >= 0xC2 && lead <= 0xDF) {
        shape = {2, 0x1F, 0x80};
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        shape = {3, 0x0F, 0x800};
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        shape = {4, 0x07, 0x10000};
    } else {
        return std::nullopt;
    }
    const size_t length = shape.length;
    char32_t c = lead & shape.payload;
    if (pos + length > text.size())
        return std::nullopt;
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < shape.least || c > 0x10FFFF || QChar::isSurrogate(c))
        return std::nullopt;
    pos += length;
    return c;
}

// Reads a UTF-8 text and hands out the UTF-16 units of its folding one by one.
class FoldedUnits {
  public:
    explicit FoldedUnits(std::string_view text) : text_(text) {}

    // False once a malformed sequence was met.
    bool wellFormed() const { return wellFormed_; }

    // The next unit, or -1 at the end (and on a malformed sequence).
    int next() {
        if (pendingAt_ < pending_.size)
            return pending_.units[pendingAt_++];
        if (pos_ == text_.size())
            return -1;
        const auto byte = static_cast<unsigned char>(text_[pos_]);
        if (byte < 0x80) {
            ++pos_;
            return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
        }
        const std::optional<char32_t> c = decode(text_, pos_);
        if (!c) {
            wellFormed_ = false;
            return -1;
        }
        pending_ = QChar::requiresSurrogates(*c) ? supplementaryFolding(*c) : basicPlaneFolding(*c);
        pendingAt_ = 1;
        return pending_.units[0];
    }

  private:
    // Outside the basic plane folding is one code point to one code point.
    static Folding supplementaryFolding(char32_t c) {
        const char32_t folded = QChar::toCaseFolded(c);
        Folding f;
        f.units = {QChar::highSurrogate(folded), QChar::lowSurrogate(folded), 0};
        f.size = 2;
        return f;
    }

    std::string_view text_;
    size_t pos_ = 0;
    Folding pending_;
    quint8 pendingAt_ = 0;
    bool wellFormed_ = true;
};

std::string_view withoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The length of the leading bytes both texts share, cut back to a code point boundary: that
// part folds alike in both, so the comparison may start after it.
size_t sharedPrefix(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    size_t n = 0;
    for (quint64 x = 0, y = 0; n + 8 <= common; n += 8) {  // eight bytes at a time first
        std::memcpy(&x, a.data() + n, 8);
        std::memcpy(&y, b.data() + n, 8);
        if (x != y)
            break;
    }
    while (n < common && a[n] == b[n])
        ++n;
    while (n > 0 &&
           ((n < a.size() && isContinuation(a[n])) || (n < b.size() && isContinuation(b[n]))))
        --n;
    return n;
}

// Malformed UTF-8: compared as Qt reads it (each bad sequence becomes U+FFFD).
int compareDecodedByQt(std::string_view left, std::string_view right) {
    const auto fold = [](std::string_view text) {
        return QString::fromUtf8(text.data(), qsizetype(text.size())).toCaseFolded();
    };
    return fold(left).compare(fold(right));
}

}  // namespace

int compareFolded(std::string_view left, std::string_view right) {
    if (left == right)
        return 0;
    left = withoutTrailingBlanks(left);
    right = withoutTrailingBlanks(right);
    const size_t shared = sharedPrefix(left, right);
    FoldedUnits a(left.substr(shared));
    FoldedUnits b(right.substr(shared));
    for (;;) {
        const int x = a.next();
        const int y = b.next();
        if (!a.wellFormed() || !b.wellFormed())
            return compareDecodedByQt(left, right);
        if (x != y || x < 0)
            return x - y;
    }
}

}  // namespace zur::tsql
