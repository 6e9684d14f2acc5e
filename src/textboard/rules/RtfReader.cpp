#include "textboard/rules/RtfReader.h"

#include "textboard/rules/RtfControlWords.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <optional>

using namespace RtfLimits;

namespace {

// Half points: RTF's default size is 12 points; Word's largest is 1638.
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;
// A \ucN beyond this would only skip text that no writer meant as a fallback.
constexpr int kMaxFallbackBytes = 16;

enum class Destination { Body, FontTable, ColorTable, Skipped };

struct CharState
{
    int font = -1;  // -1: the document's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const CharState &) const = default;
};

// What a group saves on '{' and restores on '}'.
struct GroupState
{
    Destination destination = Destination::Body;
    CharState chars;
    RtfAlignment alignment = RtfAlignment::Left;
    int fallbackBytes = 1;  // \uc
};

struct FontEntry
{
    QString name;
    FontCharset charset = FontCharset::Ansi;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isTrailingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
}

// One pass over the input with an explicit group stack (no recursion, so nesting costs
// memory only up to kMaxGroupDepth). Errors are recorded and end the loop.
class Parser final
{
public:
    explicit Parser(QByteArrayView in) : m_in(in) {}

    RtfReadResult read();

private:
    void fail(RtfErrorKind kind) { if (!m_error) m_error = RtfError{kind, m_pos}; }

    void openGroup();
    void closeGroup();
    void controlSequence();
    void controlWord();
    void controlSymbol(char symbol);
    void word(const RtfWordInfo &info, bool hasParam, int param);
    void bodyWord(const RtfWordInfo &info, bool hasParam, int param);

    // A byte of text: from the file as it is (literal) or from an escape (\'hh, \\ ...).
    void textByte(quint8 byte, bool literal);
    // A decoded character in the current destination; false when a fallback swallowed it.
    bool takeFallback();
    void bodyChar(QChar ch);
    void fontNameChar(QChar ch, bool literalSpace);

    void startFont(int number);
    void commitFont();
    void commitColor();

    RtfCharFormat resolve(const CharState &chars) const;
    const FontEntry *font(int number) const;
    FontCharset currentCharset();
    void countPiece();
    void endParagraph();
    void endDocument();

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    std::optional<RtfError> m_error;
    bool m_finished = false;

    QList<GroupState> m_stack;
    GroupState m_state;
    int m_fallbackLeft = 0;
    bool m_afterCR = false;  // the last body character was a CR break (CR LF is one break)

    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_charsetFont = -2;  // m_charset is cached for this font number
    FontCharset m_charset = FontCharset::Ansi;

    // The font table entry being read.
    bool m_fontOpen = false;
    int m_fontNumber = 0;
    FontEntry m_fontEntry;
    int m_fontNameTail = 0;  // literal spaces at the end of the name, trimmed on commit

    QList<ColorValue> m_colors;
    ColorValue m_color = 0;

    RtfDocument m_doc;
    RtfParagraph m_paragraph;
    bool m_runOpen = false;
    CharState m_runChars;
    int m_pieces = 0;
};

RtfReadResult Parser::read()
{
    if (m_in.size() > kMaxInputBytes)
        return RtfError{RtfErrorKind::TooLarge, 0};
    while (m_pos < m_in.size() && isTrailingSpace(m_in[m_pos]) && m_in[m_pos] != '\0')
        ++m_pos;
    if (!m_in.sliced(m_pos).startsWith(QByteArrayView("{\\rtf")))
        return RtfError{RtfErrorKind::NotRtf, m_pos};

    while (!m_error && !m_finished && m_pos < m_in.size()) {
        const char c = m_in[m_pos];
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            controlSequence();
            break;
        case '\r':
        case '\n':
            ++m_pos;  // line breaks in the file are not text
            break;
        default:
            textByte(quint8(c), true);
            ++m_pos;
            break;
        }
    }
    if (m_error)
        return *m_error;
    if (!m_finished)
        return RtfError{RtfErrorKind::Truncated, m_pos};
    for (qsizetype i = m_pos; i < m_in.size(); ++i) {
        if (!isTrailingSpace(m_in[i]))
            return RtfError{RtfErrorKind::TextAfterEnd, i};
    }
    return std::move(m_doc);
}

void Parser::openGroup()
{
    if (m_stack.size() >= kMaxGroupDepth) {
        fail(RtfErrorKind::TooDeep);
        return;
    }
    m_stack.append(m_state);
    m_fallbackLeft = 0;
    ++m_pos;
}

void Parser::closeGroup()
{
    m_fallbackLeft = 0;
    // An entry may end with its group instead of a ';'.
    if (m_state.destination == Destination::FontTable && m_fontOpen && !m_fontEntry.name.isEmpty())
        commitFont();
    if (m_stack.size() == 1)
        endDocument();
    m_state = m_stack.takeLast();
    ++m_pos;
}

void Parser::controlSequence()
{
    if (m_pos + 1 >= m_in.size()) {
        fail(RtfErrorKind::Truncated);
        return;
    }
    const char next = m_in[m_pos + 1];
    if (isLetter(next)) {
        controlWord();
        return;
    }
    if (next == '\'') {
        if (m_pos + 3 >= m_in.size()) {
            fail(RtfErrorKind::Truncated);
            return;
        }
        const int high = hexValue(m_in[m_pos + 2]);
        const int low = hexValue(m_in[m_pos + 3]);
        if (high < 0 || low < 0) {
            // Not an escape after all: drop the \' and read on.
            m_pos += 2;
            return;
        }
        m_pos += 4;
        textByte(quint8(high * 16 + low), false);
        return;
    }
    m_pos += 2;
    controlSymbol(next);
}

void Parser::controlWord()
{
    const qsizetype start = m_pos + 1;
    qsizetype end = start;
    while (end < m_in.size() && isLetter(m_in[end])) {
        if (end - start >= kMaxControlWordLength) {
            m_pos = end;
            fail(RtfErrorKind::ControlWordTooLong);
            return;
        }
        ++end;
    }
    const QByteArrayView name = m_in.sliced(start, end - start);

    bool hasParam = false;
    qint64 value = 0;
    qsizetype p = end;
    const bool negative = p + 1 < m_in.size() && m_in[p] == '-' && isDigit(m_in[p + 1]);
    if (negative)
        ++p;
    const qsizetype digitsStart = p;
    while (p < m_in.size() && isDigit(m_in[p])) {
        if (p - digitsStart >= kMaxNumberDigits) {
            m_pos = p;
            fail(RtfErrorKind::NumberTooLarge);
            return;
        }
        value = value * 10 + (m_in[p] - '0');
        ++p;
    }
    if (p > digitsStart) {
        hasParam = true;
        if (negative)
            value = -value;
        if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()) {
            m_pos = p;
            fail(RtfErrorKind::NumberTooLarge);
            return;
        }
    } else {
        p = end;
    }
    if (p < m_in.size() && m_in[p] == ' ')
        ++p;  // the delimiting space belongs to the word
    m_pos = p;
    word(rtfWordInfo(name), hasParam, int(value));
}

void Parser::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        textByte(quint8(symbol), false);
        return;
    case '*':
        // Everything marked ignorable is something this reader does not need.
        m_state.destination = Destination::Skipped;
        return;
    case '\r':
    case '\n':
        if (!takeFallback() && m_state.destination == Destination::Body)
            endParagraph();
        return;
    case '~':
        if (!takeFallback() && m_state.destination == Destination::Body)
            bodyChar(QChar(0x00A0));
        return;
    case '_':
        if (!takeFallback() && m_state.destination == Destination::Body)
            bodyChar(QChar(0x2011));
        return;
    default:
        // \- (optional hyphen), \| and \: among others: nothing to show.
        takeFallback();
        return;
    }
}

void Parser::word(const RtfWordInfo &info, bool hasParam, int param)
{
    // Binary data is skipped wherever it is, or its bytes would be read as RTF.
    if (info.word == RtfWord::Binary) {
        const qsizetype length = hasParam ? std::max(param, 0) : 0;
        if (length > m_in.size() - m_pos) {
            m_pos = m_in.size();
            fail(RtfErrorKind::Truncated);
            return;
        }
        m_pos += length;
        return;
    }
    if (takeFallback())
        return;

    switch (info.word) {
    case RtfWord::FontTable:
        m_state.destination = Destination::FontTable;
        return;
    case RtfWord::ColorTable:
        m_state.destination = Destination::ColorTable;
        m_color = 0;
        return;
    case RtfWord::SkippedDestination:
        m_state.destination = Destination::Skipped;
        return;
    case RtfWord::DefaultFont:
        m_defaultFont = hasParam ? param : 0;
        m_charsetFont = -2;
        return;
    case RtfWord::UnicodeSkip:
        m_state.fallbackBytes = std::clamp(hasParam ? param : 1, 0, kMaxFallbackBytes);
        return;
    default:
        break;
    }

    switch (m_state.destination) {
    case Destination::Body:
        bodyWord(info, hasParam, param);
        return;
    case Destination::FontTable:
        if (info.word == RtfWord::Font)
            startFont(hasParam ? param : 0);
        else if (info.word == RtfWord::FontCharset)
            m_fontEntry.charset = param == 2 ? FontCharset::Symbol : FontCharset::Ansi;
        else if (info.word == RtfWord::Unicode && hasParam) {
            fontNameChar(QChar(char16_t(param)), false);
            m_fallbackLeft = m_state.fallbackBytes;
        }
        return;
    case Destination::ColorTable: {
        const int level = std::clamp(param, 0, 255);
        if (info.word == RtfWord::Red)
            m_color = (m_color & 0xFFFF00u) | ColorValue(level);
        else if (info.word == RtfWord::Green)
            m_color = (m_color & 0xFF00FFu) | (ColorValue(level) << 8);
        else if (info.word == RtfWord::Blue)
            m_color = (m_color & 0x00FFFFu) | (ColorValue(level) << 16);
        return;
    }
    case Destination::Skipped:
        if (info.word == RtfWord::Unicode)
            m_fallbackLeft = m_state.fallbackBytes;
        return;
    }
}

void Parser::bodyWord(const RtfWordInfo &info, bool hasParam, int param)
{
    CharState &chars = m_state.chars;
    const bool on = !hasParam || param != 0;
    switch (info.word) {
    case RtfWord::Plain:
        chars = CharState{};
        break;
    case RtfWord::Font:
        chars.font = hasParam ? param : 0;
        break;
    case RtfWord::FontSize:
        if (hasParam && param > 0)
            chars.halfPoints = std::min(param, kMaxHalfPoints);
        break;
    case RtfWord::Bold:
        chars.bold = on;
        break;
    case RtfWord::Italic:
        chars.italic = on;
        break;
    case RtfWord::Underline:
        chars.underline = on;
        break;
    case RtfWord::UnderlineNone:
        chars.underline = false;
        break;
    case RtfWord::Strike:
        chars.strikethrough = on;
        break;
    case RtfWord::Color:
        chars.color = hasParam ? param : 0;
        break;
    case RtfWord::ParagraphDefault:
    case RtfWord::AlignLeft:
        m_state.alignment = RtfAlignment::Left;
        break;
    case RtfWord::AlignRight:
        m_state.alignment = RtfAlignment::Right;
        break;
    case RtfWord::AlignCentre:
        m_state.alignment = RtfAlignment::Centre;
        break;
    case RtfWord::ParagraphBreak:
        endParagraph();
        break;
    case RtfWord::Character:
        bodyChar(QChar(info.character));
        break;
    case RtfWord::Unicode:
        if (!hasParam)
            break;
        // Writers give the number signed (-4064) or not (61472); both are one UTF-16 unit.
        bodyChar(param >= -32768 && param <= 65535 ? QChar(char16_t(param)) : QChar(QChar::ReplacementCharacter));
        m_fallbackLeft = m_state.fallbackBytes;
        break;
    default:
        break;
    }
}

bool Parser::takeFallback()
{
    if (m_fallbackLeft == 0)
        return false;
    --m_fallbackLeft;
    return true;
}

void Parser::textByte(quint8 byte, bool literal)
{
    if (takeFallback())
        return;
    switch (m_state.destination) {
    case Destination::Body:
        if (byte == '\t' || !literal || byte >= 0x20)
            bodyChar(charForCode(byte, currentCharset()));
        return;
    case Destination::FontTable:
        if (literal && byte == ';')
            commitFont();
        else if (byte >= 0x20 || !literal)
            fontNameChar(charForCode(byte, FontCharset::Ansi), literal && byte == ' ');
        return;
    case Destination::ColorTable:
        if (literal && byte == ';')
            commitColor();
        return;
    case Destination::Skipped:
        return;
    }
}

void Parser::bodyChar(QChar ch)
{
    // Line breaks in the text itself (\'0d, \u10) end the paragraph like \par.
    if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
        const bool pairedLF = ch == QLatin1Char('\n') && m_afterCR;
        if (!pairedLF)
            endParagraph();
        m_afterCR = ch == QLatin1Char('\r');
        return;
    }
    m_afterCR = false;
    if (!m_runOpen || m_runChars != m_state.chars) {
        const RtfCharFormat format = resolve(m_state.chars);
        if (m_paragraph.runs.isEmpty() || m_paragraph.runs.constLast().format != format) {
            countPiece();
            if (m_error)
                return;
            m_paragraph.runs.append(RtfRun{QString(), format});
        }
        m_runOpen = true;
        m_runChars = m_state.chars;
    }
    m_paragraph.runs.last().text.append(ch);
}

void Parser::fontNameChar(QChar ch, bool literalSpace)
{
    // Spaces between entries and before a name only delimit.
    if (literalSpace && (!m_fontOpen || m_fontEntry.name.isEmpty()))
        return;
    if (!m_fontOpen)
        startFont(m_fontNumber + 1);
    m_fontEntry.name.append(ch);
    m_fontNameTail = literalSpace ? m_fontNameTail + 1 : 0;
}

void Parser::startFont(int number)
{
    if (m_fontOpen && !m_fontEntry.name.isEmpty())
        commitFont();
    m_fontOpen = true;
    m_fontNumber = number;
    m_fontEntry = FontEntry{};
    m_fontNameTail = 0;
}

void Parser::commitFont()
{
    if (!m_fontOpen)
        return;
    m_fontEntry.name.chop(m_fontNameTail);
    if (!m_fonts.contains(m_fontNumber))
        m_fonts.insert(m_fontNumber, m_fontEntry);
    m_fontOpen = false;
    m_fontEntry = FontEntry{};
    m_fontNameTail = 0;
    m_charsetFont = -2;
}

void Parser::commitColor()
{
    m_colors.append(m_color);
    m_color = 0;
}

const FontEntry *Parser::font(int number) const
{
    const auto it = m_fonts.constFind(number < 0 ? m_defaultFont : number);
    if (it != m_fonts.cend())
        return &it.value();
    const auto fallback = m_fonts.constFind(m_defaultFont);
    return fallback != m_fonts.cend() ? &fallback.value() : nullptr;
}

FontCharset Parser::currentCharset()
{
    if (m_charsetFont != m_state.chars.font) {
        const FontEntry *f = font(m_state.chars.font);
        m_charset = f ? f->charset : FontCharset::Ansi;
        m_charsetFont = m_state.chars.font;
    }
    return m_charset;
}

RtfCharFormat Parser::resolve(const CharState &chars) const
{
    RtfCharFormat format;
    if (const FontEntry *f = font(chars.font)) {
        format.fontName = f->name;
        format.charset = f->charset;
    }
    format.size = chars.halfPoints / 2.0;
    format.bold = chars.bold;
    format.italic = chars.italic;
    format.underline = chars.underline;
    format.strikethrough = chars.strikethrough;
    // \cf0 and colours the table does not hold are "auto", which shows as black.
    if (chars.color >= 0 && chars.color < m_colors.size())
        format.color = m_colors.at(chars.color);
    return format;
}

void Parser::countPiece()
{
    if (++m_pieces > kMaxPieces)
        fail(RtfErrorKind::TooManyPieces);
}

void Parser::endParagraph()
{
    countPiece();
    if (m_error)
        return;
    if (m_paragraph.runs.isEmpty())
        m_paragraph.runs.append(RtfRun{QString(), resolve(m_state.chars)});
    m_paragraph.alignment = m_state.alignment;
    m_doc.paragraphs.append(std::move(m_paragraph));
    m_paragraph = RtfParagraph{};
    m_runOpen = false;
}

void Parser::endDocument()
{
    // Writers end the last paragraph with \par too; what follows it is a paragraph only
    // when it holds text (or when there is no other).
    if (!m_paragraph.runs.isEmpty() || m_doc.paragraphs.isEmpty())
        endParagraph();
    m_finished = true;
}

} // namespace

QString rtfErrorText(const RtfError &error)
{
    QString what;
    switch (error.kind) {
    case RtfErrorKind::NotRtf:
        what = QStringLiteral("not an RTF document");
        break;
    case RtfErrorKind::TooLarge:
        what = QStringLiteral("document too large");
        break;
    case RtfErrorKind::TooDeep:
        what = QStringLiteral("groups nested too deeply");
        break;
    case RtfErrorKind::NumberTooLarge:
        what = QStringLiteral("number too large");
        break;
    case RtfErrorKind::ControlWordTooLong:
        what = QStringLiteral("control word too long");
        break;
    case RtfErrorKind::TooManyPieces:
        what = QStringLiteral("too many paragraphs or format changes");
        break;
    case RtfErrorKind::Truncated:
        what = QStringLiteral("document ends too early");
        break;
    case RtfErrorKind::TextAfterEnd:
        what = QStringLiteral("text after the end of the document");
        break;
    }
    return QStringLiteral("%1 (at byte %2)").arg(what).arg(error.offset);
}

RtfReadResult readRtf(QByteArrayView rtf)
{
    return Parser(rtf).read();
}
