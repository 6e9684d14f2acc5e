// Every label and button of every window holds its text, at the scale the test runs at (1 here,
// 1.25 and 2 through ctest): no text is cut at its control's edge or elided, no group box title
// or tab runs past its box or bar, and no control with text lies outside its parent.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "support/WhenModal.h"

#include "app/About.h"
#include "fontmap/CustomMap.h"
#include "fontmap/FMColorPalette.h"
#include "textboard/TBColorPicker.h"
#include "textboard/TBPreview.h"
#include "textboard/TextBoardEdit.h"
#include "tools/FontBrowser.h"
#include "tools/Keyboard.h"
#include "tools/OptionsDialog.h"
#include "widgets/ActionCollection.h"
#include "widgets/Message.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtMath>

namespace {

QString nameOf(const QWidget *w)
{
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    return w->parentWidget() && !w->isWindow() ? nameOf(w->parentWidget()) + QLatin1Char('/') + name : name;
}

QString sizes(const QSize &needed, const QSize &has)
{
    return QStringLiteral("needs %1x%2, has %3x%4").arg(needed.width()).arg(needed.height()).arg(has.width()).arg(has.height());
}

QSize textSize(const QWidget *w, const QString &text)
{
    return QFontMetrics(w->font()).size(Qt::TextShowMnemonic, text);
}

// A sample sheet or list that scrolls its contents shows them in part by design.
bool scrolled(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget()) {
        if (const auto *area = qobject_cast<const QAbstractScrollArea *>(p->parentWidget()); area && area->viewport() == p)
            return true;
    }
    return false;
}

// Where a control's text goes, and how much it needs; an empty room for a control without text.
struct Room
{
    QRect room;
    QSize needed;
};

// A label of one line holds its text when the text's advance fits across and its ink fits up
// and down where the label puts its line (a line a pixel taller than the label loses nothing
// when no letter reaches into that pixel); other labels need their whole size hint.
QString labelMisfit(const QLabel *l)
{
    const QString text = l->text();
    if (text.isEmpty() || !l->pixmap().isNull())
        return QString();
    if (l->wordWrap()) {
        const int needed = l->heightForWidth(l->width());
        return needed > l->height() ? sizes(QSize(l->width(), needed), l->size()) : QString();
    }
    const bool oneLine = !text.contains(QLatin1Char('\n')) && !(l->textFormat() == Qt::RichText
                                                                || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)));
    if (!oneLine)
        return (l->sizeHint().width() > l->width() || l->sizeHint().height() > l->height()) ? sizes(l->sizeHint(), l->size())
                                                                                           : QString();
    const int m = l->margin();
    const QRect room = l->contentsRect().adjusted(m, m, -m, -m);
    const QSize advance = QFontMetrics(l->font()).size(Qt::TextShowMnemonic, text);
    // Where the label's painter puts the line: centred, or at the top or bottom, in fractions of
    // a pixel; the ink may stand half a pixel over, where antialiasing leaves no more than a tint.
    const QFontMetricsF fm(l->font());
    QString shown = text;
    shown.remove(QLatin1Char('&'));
    const QRectF ink = fm.tightBoundingRect(shown);
    const Qt::Alignment v = l->alignment() & Qt::AlignVertical_Mask;
    const qreal baseline = v == Qt::AlignTop      ? room.top() + fm.ascent()
                           : v == Qt::AlignBottom ? room.top() + room.height() - fm.descent()
                                                  : room.top() + (room.height() - fm.height()) / 2 + fm.ascent();
    const qreal top = baseline + ink.top();
    const qreal bottom = baseline + ink.bottom();
    if (advance.width() <= room.width() && top >= room.top() - 0.5 && bottom <= room.top() + room.height() + 0.5)
        return QString();
    return sizes(QSize(advance.width(), qCeil(ink.height())), room.size())
           + QStringLiteral(", ink from %1 to %2").arg(top).arg(bottom);
}

Room buttonRoom(const QAbstractButton *b)
{
    if (b->text().isEmpty())
        return {};
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    QSize needed = textSize(b, b->text());
    if (!b->icon().isNull())
        needed.rwidth() += b->iconSize().width() + 4;
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(b))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(b))
        contents = QStyle::SE_RadioButtonContents;
    else if (const auto *tool = qobject_cast<const QToolButton *>(b)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly || tool->text().isEmpty())
            return {};
        return {b->rect(), tool->sizeHint()};
    }
    return {b->style()->subElementRect(contents, &opt, b), needed};
}

// The misfits of one window, as "control: what is wrong".
QStringList misfits(QWidget *window)
{
    QStringList found;
    const auto outsideItsParent = [&found](const QWidget *w) {
        for (; w && !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
            if (!w->parentWidget()->rect().contains(w->geometry()))
                return found.append(nameOf(w) + QStringLiteral(": outside its parent")), true;
        }
        return false;
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->window() != window || scrolled(w))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(w); label && !label->text().isEmpty()) {
            if (const QString misfit = labelMisfit(label); !misfit.isEmpty())
                found.append(nameOf(w) + QStringLiteral(": \"%1\" ").arg(label->text()) + misfit);
            outsideItsParent(w);
        }
        if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
            const Room r = buttonRoom(button);
            if (!r.needed.isEmpty()) {
                if (r.needed.width() > r.room.width() || r.needed.height() > r.room.height())
                    found.append(nameOf(w) + QStringLiteral(": \"%1\" ").arg(button->text()) + sizes(r.needed, r.room.size()));
                outsideItsParent(w);
            }
        }
        if (const auto *box = qobject_cast<const QGroupBox *>(w); box && !box->title().isEmpty()) {
            QStyleOptionGroupBox opt;
            opt.initFrom(box);
            opt.text = box->title();
            opt.lineWidth = 1;
            opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            opt.textAlignment = box->alignment();
            const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
            if (!box->rect().contains(title) || title.width() < textSize(box, box->title()).width())
                found.append(nameOf(w) + QStringLiteral(": title \"%1\" beyond its box").arg(box->title()));
            outsideItsParent(w);
        }
        if (const auto *bar = qobject_cast<const QTabBar *>(w)) {
            // A tab may reach a pixel below its bar, into the page under it; its text may not.
            const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
            for (int i = 0; i < bar->count(); ++i) {
                const QRect tab = bar->tabRect(i).intersected(bar->rect());
                const QSize text = textSize(bar, bar->tabText(i));
                if (tab.width() < text.width() + padding || tab.height() < text.height())
                    found.append(nameOf(w) + QStringLiteral(": tab \"%1\" ").arg(bar->tabText(i))
                                 + sizes(text + QSize(padding, 0), tab.size()));
            }
            outsideItsParent(w);
        }
    }
    return found;
}

// Opens a window by its command, checks it (and each of its tabs), and closes it.
template<typename Window>
QStringList misfitsOf(MainWindowFixture &f, const QString &command, std::function<void(Window *)> prepare = {})
{
    QStringList found;
    bool seen = false;
    auto guard = WhenModal::run<Window>([&](Window *w) {
        seen = true;
        if (prepare)
            prepare(w);
        QCoreApplication::processEvents();
        // Every page of its tabs, whether a tab widget's or a bar over pages of its own.
        QTabBar *tabs = nullptr;
        if (auto *pages = w->template findChild<QTabWidget *>())
            tabs = pages->tabBar();
        else
            tabs = w->template findChild<QTabBar *>();
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            for (const QString &misfit : misfits(w))
                found.append(tabs ? QStringLiteral("[%1] ").arg(tabs->tabText(tab)) + misfit : misfit);
        }
        w->close();
        return true;
    });
    f.window().commands().trigger(command);
    if (!seen)
        found.append(command + QStringLiteral(": no window"));
    return found;
}

} // namespace

class TestLabelsFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void labelsFitTheirText_data();
    void labelsFitTheirText();

private:
    std::unique_ptr<MainWindowFixture> m_f;
};

void TestLabelsFit::init()
{
    m_f = std::make_unique<MainWindowFixture>(1280, 1024);
    QVERIFY(m_f->start());
}

void TestLabelsFit::cleanup()
{
    m_f.reset();
}

void TestLabelsFit::labelsFitTheirText_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"main window", "Options", "Keyboard viewer", "Keyboard viewer, special characters",
                               "FontBrowser", "custom map editor, new map", "FontMap colour palette",
                               "TextBoard colour picker", "message box", "About", "full-screen preview"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestLabelsFit::labelsFitTheirText()
{
    QFETCH(QString, window);
    MainWindowFixture &f = *m_f;
    QStringList found;
    if (window == QLatin1String("main window")) {
        f.window().show();
        QCoreApplication::processEvents();
        found = misfits(&f.window());
    } else if (window == QLatin1String("Options")) {
        found = misfitsOf<OptionsDialog>(f, QStringLiteral("ToolsOpt"));
    } else if (window == QLatin1String("Keyboard viewer")) {
        found = misfitsOf<Keyboard>(f, QStringLiteral("ToolsKB"));
    } else if (window == QLatin1String("Keyboard viewer, special characters")) {
        found = misfitsOf<Keyboard>(f, QStringLiteral("ToolsKB"), [](Keyboard *k) {
            k->findChild<QCheckBox *>(QStringLiteral("chkSplChar"))->click();
        });
    } else if (window == QLatin1String("FontBrowser")) {
        found = misfitsOf<FontBrowser>(f, QStringLiteral("ToolsFB"));
    } else if (window == QLatin1String("custom map editor, new map")) {
        found = misfitsOf<CustomMap>(f, QStringLiteral("FileCFMNew"));
    } else if (window == QLatin1String("FontMap colour palette")) {
        found = misfitsOf<FMColorPalette>(f, QStringLiteral("FMFColor"));
    } else if (window == QLatin1String("TextBoard colour picker")) {
        found = misfitsOf<TBColorPicker>(f, QStringLiteral("FFontColor"));
    } else if (window == QLatin1String("message box")) {
        // The longest message of the program, with the box and both buttons.
        auto guard = WhenModal::run<Message>([&](Message *box) {
            found = misfits(box);
            box->close();
            return true;
        });
        QrvlMsg(QStringLiteral("\r/home/ann/Documents/Maps/Accented letters.QCM\rThis Quorvil Custom Map is unloadable."
                               "\r\rIt has either become corrupt\ror has been manually edited.\r\rQuorvil cannot load this Map."),
                QStringLiteral("YN"), QStringLiteral("Quorvil Custom Map Load Error"), true, 1,
                f.window().fontMapColors());
    } else if (window == QLatin1String("About")) {
        found = misfitsOf<About>(f, QStringLiteral("HelpAbout"));
    } else {
        f.controls().TextBoard->setText(QStringLiteral("Quorvil"));
        found = misfitsOf<TBPreview>(f, QStringLiteral("ToolsFS"));
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

QUORVIL_TEST_MAIN(TestLabelsFit)
#include "tst_labelsfit.moc"
