#pragma once

#include "fontmap/rules/FontListEntry.h"
#include "platform/Services.h"
#include "tools/rules/FontBrowserLayout.h"

#include <QDialog>

#include <optional>

class FlatScrollBar;
class FontMapColors;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class SampleSheetView;

// The font browser "Quorvil Font Browser": every installed font in a list with its counts, and a
// sample sheet of the picked font (the alphabet, the digits and a sentence at seven sizes) in a
// viewport that scrolls, beside the list across a split bar. Its Set Font makes the picked font
// the TextBoard's font. The window can be resized down to the size its content needs.
class FontBrowser final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontBrowser)

public:
    // A list item's tag: the font's number (its column of the program-wide font records). Its
    // picture key ("TT" or "SF") is under FontNameBox::kImageKeyRole.
    static constexpr int kFontNumberRole = Qt::UserRole;

    // The window loads at once: the list from `fontList` (the main window's font list), the
    // sentence from the settings store.
    FontBrowser(const Services &services, const FontListEntries &fontList, const FontMapColors &schemeColors,
                QWidget *parent = nullptr);

    // Shows the TextBoard's font: picked in the list, on the sheet, with Set Font disabled. A name
    // the list does not hold shows the font of item `fontIndex` (from 1), the one the main window
    // shows instead.
    void FontNameXchg(int fontIndex, const QString &fontName);

    // Builds the sheet for the font, its scroll ranges and the window's minimum size.
    void ShowFontSample(const QString &fontName);

    // The font the user made the TextBoard's font with Set Font; nothing after Ok or the close box.
    const std::optional<QString> &chosenFontName() const { return m_chosen; }

    const QString &CurFont() const { return m_curFont; }
    const QString &InitFontName() const { return m_initFontName; }
    const FontBrowserLayout &layout() const { return m_layout; }
    QListWidget *fontListView() const { return m_fontListView; }
    SampleSheetView *samplePlate() const { return m_samplePlate; }

    // The picked item; also what a click on it does.
    void FontListView_ItemClick(QListWidgetItem *item);
    // The pointer moved over the split bar to x (pixels within the bar) with these buttons held.
    void SplitBar_MouseMove(Qt::MouseButtons buttons, double x);

    // The window's outer size in twips, as the layout rules count it.
    int formWidth() const;
    int formHeight() const;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void fillList(const FontListEntries &fontList);
    void readSampleText();
    void Form_Activate();
    void Form_Resize();
    void fitNameLabel();
    void applyLayout();
    void applyScrollBars();
    void applyMinimumSize();
    double nameLabelWidth(int points) const;
    QFont nameLabelFont(int points) const;
    void SHScroll_Change(int value);
    void SVScroll_Change(int value);
    void SetFontButton_Click();
    void OkButton_Click();

    Services m_services;
    const FontMapColors &m_schemeColors;
    FontBrowserLayout m_layout;

    QListWidget *m_fontListView = nullptr;
    QLabel *m_fontNameLabel = nullptr;
    QWidget *m_splitBar = nullptr;
    QFrame *m_plateHolder = nullptr;
    QWidget *m_plateClient = nullptr;
    SampleSheetView *m_samplePlate = nullptr;
    FlatScrollBar *m_hScroll = nullptr;
    FlatScrollBar *m_vScroll = nullptr;
    QFrame *m_holeBlock = nullptr;
    QGroupBox *m_summaryFrame = nullptr;
    QLabel *m_totalFonts = nullptr;
    QLabel *m_ttFonts = nullptr;
    QLabel *m_sysFonts = nullptr;
    QPushButton *m_setFontButton = nullptr;
    QPushButton *m_okButton = nullptr;

    QString m_initFontName;
    QString m_curFont;
    QString m_sentence;
    std::optional<QString> m_chosen;
};
