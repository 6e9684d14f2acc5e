#include "fontmap/FontMapCommands.h"

#include "app/ColorResolve.h"
#include "app/MainMenu.h"
#include "app/QuorvilControls.h"
#include "app/rules/MainState.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/Charset.h"
#include "textboard/TextBoardEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>

FontMapCommands::FontMapCommands(QuorvilControls &controls, MainState &state, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_s(state)
{
    connect(m_c.FMapContainer, &FontMapGrid::cellMouseMove, this, &FontMapCommands::CharButton_MouseMove);
    connect(m_c.FMapContainer, &FontMapGrid::cellMouseDown, this, &FontMapCommands::CharButton_MouseDown);
}

void FontMapCommands::SetupFMapCodes()
{
    const FontCharset charset = m_c.FMapContainer->charset();
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        const int code = 32 + i;
        const QString caption(charForCode(quint8(code), charset));
        m_c.FMapContainer->setCaption(i, caption);
        m_s.codeTable.fillRow(i, code, standardKeyStroke(code, caption));
    }
}

void FontMapCommands::CharButton_MouseMove(int index)
{
    if (m_c.menu->isChecked(QStringLiteral("FMHiLite"))) {
        const ColorValue fore = foreColor(m_c.TextZoom);
        const ColorValue back = backColor(m_c.TextZoom);
        m_c.FMapContainer->setForeColor(m_s.LastHoverIndex, fore);
        m_c.FMapContainer->setBackColor(m_s.LastHoverIndex, back);
        m_c.FMapContainer->setBackColor(index, fore);
        m_c.FMapContainer->setForeColor(index, back);
    }
    if (m_c.menu->isChecked(QStringLiteral("ViewZoom")))
        m_c.TextZoom->setText(m_c.FMapContainer->cell(index).caption);
    if (m_c.menu->isChecked(QStringLiteral("ViewCode"))) {
        m_c.AscCode->setText(m_s.codeTable.at(index, CodeTable::Decimal));
        m_c.HexCode->setText(m_s.codeTable.at(index, CodeTable::Hexadecimal));
        m_c.OctCode->setText(m_s.codeTable.at(index, CodeTable::Octal));
        m_c.BinCode->setText(m_s.codeTable.at(index, CodeTable::Binary));
    }
    if (m_c.menu->isChecked(QStringLiteral("ViewKS")))
        m_c.KS->setText(m_s.codeTable.at(index, CodeTable::KeyStroke));
    m_s.LastHoverIndex = index;
}

void FontMapCommands::CharButton_MouseDown(int index, Qt::MouseButton button, const QPoint &globalPos)
{
    const QString caption = m_c.FMapContainer->cell(index).caption;
    if (button == Qt::LeftButton) {
        if (m_s.FindHasFocus) {
            m_c.FindString->setFocus(Qt::OtherFocusReason);
            // The find box takes the character in place of its selection, within its own limit.
            if (m_c.FindString->text().size() - m_c.FindString->selectedText().size() + caption.size()
                <= m_c.FindString->maxLength())
                m_c.FindString->insert(caption);
        } else {
            m_c.TextBoard->setFocus(Qt::OtherFocusReason);
            m_c.TextBoard->setSelText(caption);
        }
    } else if (button == Qt::RightButton) {
        m_c.menu->menu(QStringLiteral("FormatFM"))->popup(globalPos);
    }
}
