#pragma once

#include "fontmap/rules/Charset.h"

#include <QObject>
#include <QString>

#include <array>

// The TextBoard's one format, as the windows that read or change it see it: the font name
// and size, the four style flags the user switched on, the QB text colour and the alignment.
// The TextBoard, the FontMap cells and the Zoom view show it; the Keyboard viewer and the
// FontBrowser set its name. A style flag is the user's choice: a face that exists only in
// bold shows bold whatever its flag says.
class TextBoardFont final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardFont)

public:
    enum Style { Bold = 0, Italic = 1, Underline = 2, Strikeout = 3 };
    // The classic text box's alignment codes.
    enum Alignment { Left = 0, Right = 1, Center = 2 };

    explicit TextBoardFont(QObject *parent = nullptr) : QObject(parent) {}

    const QString &name() const { return m_name; }
    void setName(const QString &name);
    int size() const { return m_size; }
    void setSize(int points);
    bool style(Style style) const { return m_styles[style] != 0; }
    void setStyle(Style style, bool on);
    // The four flags as the settings keep them: bold, italic, underline, strikeout, 0 or 1.
    const std::array<int, 4> &styleFlags() const { return m_styles; }
    // 0 to 15 (QB colours) and the colour's name.
    int colorIndex() const { return m_colorIndex; }
    const QString &colorName() const { return m_colorName; }
    void setColor(int index, const QString &name);
    int alignment() const { return m_alignment; }
    void setAlignment(int code);
    // The character set of the font the TextBoard shows now.
    FontCharset charset() const { return m_charset; }
    void setCharset(FontCharset charset);

Q_SIGNALS:
    void nameChanged(const QString &name);
    void sizeChanged(int points);
    void styleChanged(TextBoardFont::Style style, bool on);
    void colorChanged(int index);
    void alignmentChanged(int code);
    void charsetChanged(FontCharset from, FontCharset to);

private:
    QString m_name;
    int m_size = 10;
    std::array<int, 4> m_styles{};
    int m_colorIndex = 0;
    QString m_colorName = QStringLiteral("Black");
    int m_alignment = Left;
    FontCharset m_charset = FontCharset::Ansi;
};
