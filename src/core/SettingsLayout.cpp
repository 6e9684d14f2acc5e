#include "core/SettingsLayout.h"

#include "core/RegistryFunctions.h"

#include <algorithm>
#include <limits>

namespace SettingsLayout {

namespace {

using Get = std::function<QVariant(const Settings &)>;
using Set = std::function<void(Settings &, const RegValue &)>;

// How a member is bound: a number held to its range, an on/off word, a text, a colour.
struct Binding
{
    Get get;
    Set set;
};

Binding number(int Settings::*member, int low, int high)
{
    return {[member](const Settings &s) { return QVariant(s.*member); },
            [member, low, high](Settings &s, const RegValue &v) {
                s.*member = std::clamp(regToNumber(v).value_or(0), low, high);
            }};
}

template<std::size_t N>
Binding element(std::array<int, N> Settings::*member, int index, int low, int high)
{
    return {[member, index](const Settings &s) { return QVariant((s.*member)[index]); },
            [member, index, low, high](Settings &s, const RegValue &v) {
                (s.*member)[index] = std::clamp(regToNumber(v).value_or(0), low, high);
            }};
}

// A number kept as its decimal text (the zoom size).
Binding numberText(int Settings::*member, int low, int high)
{
    return {[member](const Settings &s) { return QVariant(QString::number(s.*member)); },
            [member, low, high](Settings &s, const RegValue &v) {
                s.*member = std::clamp(regToNumber(v).value_or(0), low, high);
            }};
}

Binding onOff(bool Settings::*member)
{
    return {[member](const Settings &s) { return QVariant(s.*member); },
            [member](Settings &s, const RegValue &v) { s.*member = regToBool(v).value_or(false); }};
}

Binding text(QString Settings::*member)
{
    return {[member](const Settings &s) { return QVariant(s.*member); },
            [member](Settings &s, const RegValue &v) { s.*member = regToText(v); }};
}

template<std::size_t N>
Binding textElement(std::array<QString, N> Settings::*member, int index)
{
    return {[member, index](const Settings &s) { return QVariant((s.*member)[index]); },
            [member, index](Settings &s, const RegValue &v) { (s.*member)[index] = regToText(v); }};
}

// A colour keeps all 32 bits: a system colour is stored as the negative number with its bits.
Binding color(ColorValue Settings::*member)
{
    return {[member](const Settings &s) { return QVariant(qint64(s.*member)); },
            [member](Settings &s, const RegValue &v) { s.*member = ColorValue(quint32(regToNumber(v).value_or(0))); }};
}

constexpr int kAnyNumber = std::numeric_limits<int>::max();

QList<Value> buildLayout()
{
    using F = FirstRun;
    using S = Settings;
    const auto s = [](const char *t) { return QString::fromUtf8(t); };
    QList<Value> v;
    const auto sz = [&](const char *key, const QString &name, F f, const QVariant &value, const Binding &b = {}) {
        v.append(Value{s(key), name, REG_SZ, f, value, b.get, b.set});
    };
    const auto dw = [&](const char *key, const QString &name, F f, const QVariant &value, const Binding &b = {}) {
        v.append(Value{s(key), name, REG_DWORD, f, value, b.get, b.set});
    };

    dw("", s("MV"), F::Literal, 300, number(&S::MV, 0, kAnyNumber));
    dw("", s("SV"), F::Literal, 2, number(&S::SV, 0, kAnyNumber));
    for (int i = 1; i <= 9; ++i)
        sz("MRU", QString::number(i), F::Literal, QString(), textElement(&S::FileMRU, i - 1));
    for (int i = 1; i <= 5; ++i)
        sz("CFMRU", QString::number(i), F::Literal, QString(), textElement(&S::CFMRU, i - 1));
    for (int i = 1; i <= 40; ++i)
        dw("CustomColors", QString::number(i), F::CustomColor, i);
    for (int i = 1; i <= 40; ++i)
        sz("CustomLabels", QString::number(i), F::CustomLabel, i);

    sz("TextBoard", s("FontName"), F::TextBoardFont, {}, text(&S::TBFontName));
    dw("TextBoard", s("FontSize"), F::ScreenFontSize, {}, number(&S::TBFontSize, 8, 36));
    const char *styles[] = {"Bold", "Italic", "Underline", "Strikeout"};
    for (int i = 0; i < 4; ++i)
        dw("TextBoard", s(styles[i]), F::Literal, 0, element(&S::TBFontStyle, i, 0, 1));
    dw("TextBoard", s("Alignment"), F::Literal, 0, number(&S::TBAlignment, 0, 2));
    dw("TextBoard", s("FontColorIndex"), F::Literal, 0, number(&S::TBFontColorIndex, 0, 15));
    sz("TextBoard", s("FontColorName"), F::Literal, s("Black"), text(&S::TBFontColorName));

    // A colour index is a cell of one of the palette's tabs (48, 25 or 40 cells).
    dw("FontMap", s("ForeColor"), F::DesignedColor, {}, color(&S::FMForeColor));
    dw("FontMap", s("BackColor"), F::DesignedColor, {}, color(&S::FMBackColor));
    dw("FontMap", s("ForeColorIndex"), F::Literal, 8, number(&S::FMForeColorIndex, 0, 47));
    dw("FontMap", s("BackColorIndex"), F::Literal, 5, number(&S::FMBackColorIndex, 0, 47));
    sz("FontMap", s("ForeColorName"), F::Literal, s("Window Text"), text(&S::FMForeColorName));
    sz("FontMap", s("BackColorName"), F::Literal, s("Window Background"), text(&S::FMBackColorName));
    dw("FontMap", s("ForePaletteRef"), F::Literal, 1, number(&S::FMForePaletteRef, 0, 2));
    dw("FontMap", s("BackPaletteRef"), F::Literal, 1, number(&S::FMBackPaletteRef, 0, 2));
    sz("FontMap", s("Hilite"), F::Literal, s("False"), onOff(&S::Hilite));
    dw("FontMap", s("Borders"), F::Literal, 1, number(&S::Borders, 0, 1));
    // Steps beyond any screen's largest are held here; the screen's own limit is the loader's.
    dw("FontMap", s("SizeIndex"), F::ScreenSizeIndex, {}, number(&S::SizeIndex, 1, 999));
    sz("FontMap", s("InitMap"), F::Literal, s("False"), onOff(&S::InitMap));
    sz("FontMap", s("InitMapPath"), F::Literal, s("None"), text(&S::InitMapPath));

    sz("Views", s("Zoom"), F::Literal, s("True"), onOff(&S::ZoomView));
    sz("Views", s("Code"), F::Literal, s("True"), onOff(&S::CodeView));
    sz("Views", s("KeyStroke"), F::Literal, s("True"), onOff(&S::KeyStrokeView));
    sz("Views", s("ZoomSize"), F::Literal, s("72"), numberText(&S::ZoomSize, 8, 72));

    const std::pair<const char *, bool S::*> options[] = {
        {"TXTLoadSet", &S::TXTLoadSet},           {"QUFUnLoadSet", &S::QUFUnLoadSet},
        {"CopyDialog", &S::CopyDialog},           {"ExitWarning", &S::ExitWarning},
        {"OverwriteWarning", &S::OverwriteWarning}, {"ColorScheme", &S::ColorScheme},
        {"ToolTips", &S::ToolTips},
    };
    for (const auto &[option, member] : options)
        sz("Options", s(option), F::Literal, s("True"), onOff(member));
    sz("Options", s("VCPosition"), F::Literal, s("L"), text(&S::VCPosition));
    dw("Options", s("ZoomedLetter"), F::Literal, 65, number(&S::ZoomedLetter, 0, 255));
    dw("Options", s("OFMapStart"), F::Literal, 60, number(&S::OFMapStart, 0, 255));
    sz("Options", s("MaximizeTB"), F::NotWritten, {}, onOff(&S::MaximizeTB));

    dw("CFMEditor", s("ListCols"), F::Literal, 10, number(&S::ListCols, 8, 30));
    dw("CFMEditor", s("ShiftDir"), F::Literal, 0, number(&S::ShiftDir, 0, 1));
    sz("FB", s("SampleText"), F::Literal, s("The Quick Brown Fox Jumped Over the Lazy Dog."), text(&S::SampleText));

    // Band widths and window sizes in twips; no screen is wider than this.
    constexpr int kMaxTwips = 1'000'000;
    const int mainBands[] = {945, 6240, 2310, 1230};
    for (int i = 0; i < 4; ++i)
        dw("Bars", QStringLiteral("MainBand%1Wdth").arg(i + 1), F::Literal, mainBands[i],
           element(&S::MainBandWidth, i, 0, kMaxTwips));
    const int tbBands[] = {1920, 1575, 2055, 1230, 2880};
    for (int i = 0; i < 5; ++i)
        dw("Bars", QStringLiteral("TBBand%1Wdth").arg(i + 1), F::Literal, tbBands[i],
           element(&S::TBBandWidth, i, 0, kMaxTwips));
    dw("Bars", s("FMBand1Wdth"), F::Literal, 1635, element(&S::FMBandWidth, 0, 0, kMaxTwips));
    dw("Bars", s("FMBand2Wdth"), F::Literal, 5310, element(&S::FMBandWidth, 1, 0, kMaxTwips));
    dw("Bars", s("FMBand3Wdth"), F::DesignedSize, {}, element(&S::FMBandWidth, 2, 0, kMaxTwips));

    dw("Last", s("FormTop"), F::CenteredWindow, {}, number(&S::FormTop, -kMaxTwips, kMaxTwips));
    dw("Last", s("FormLeft"), F::CenteredWindow, {}, number(&S::FormLeft, -kMaxTwips, kMaxTwips));
    dw("Last", s("FormHeight"), F::DesignedSize, {}, number(&S::FormHeight, 0, kMaxTwips));
    dw("Last", s("FormWidth"), F::DesignedSize, {}, number(&S::FormWidth, 0, kMaxTwips));
    const std::pair<const char *, QString S::*> folders[] = {
        {"LFLoadPath", &S::LFLoadPath}, {"LFSavePath", &S::LFSavePath},
        {"LMLoadPath", &S::LMLoadPath}, {"LMSavePath", &S::LMSavePath}};
    for (const auto &[path, member] : folders)
        sz("Last", s(path), F::DocumentsFolder, {}, text(member));

    for (const char *temp : {"TBFColorIndex", "FMFPaletteRef", "FMBPaletteRef", "FMFColorIndex", "FMBColorIndex"})
        dw("Temp", s(temp), F::NotWritten, {});
    for (const char *temp : {"FMFColorName", "FMBColorName"})
        sz("Temp", s(temp), F::NotWritten, {});
    return v;
}

} // namespace

const QList<Value> &values()
{
    static const QList<Value> layout = buildLayout();
    return layout;
}

const Value *find(const QString &key, const QString &name)
{
    for (const Value &v : values()) {
        if (v.key.compare(key, Qt::CaseInsensitive) == 0 && v.name.compare(name, Qt::CaseInsensitive) == 0)
            return &v;
    }
    return nullptr;
}

QString keyPath(const QString &key)
{
    const QString root = QStringLiteral("Software\\Quorvil");
    return key.isEmpty() ? root : root + QLatin1Char('\\') + key;
}

const QStringList &keys()
{
    static const QStringList list{
        QStringLiteral("Bars"),   QStringLiteral("FontMap"),   QStringLiteral("CustomColors"),
        QStringLiteral("CustomLabels"), QStringLiteral("Last"), QStringLiteral("MRU"),
        QStringLiteral("CFMRU"),  QStringLiteral("CFMEditor"), QStringLiteral("FB"),
        QStringLiteral("Options"), QStringLiteral("TextBoard"), QStringLiteral("Views"),
        QStringLiteral("Temp"),
    };
    return list;
}

Settings literalDefaults()
{
    Settings settings;
    for (const Value &v : values()) {
        if (v.firstRun != FirstRun::Literal || !v.set)
            continue;
        if (v.type == REG_DWORD)
            v.set(settings, RegValue(qint32(v.value.toInt())));
        else
            v.set(settings, RegValue(v.value.toString()));
    }
    return settings;
}

int defaultNumber(const QString &key, const QString &name)
{
    const Value *v = find(key, name);
    Q_ASSERT_X(v, "SettingsLayout::defaultNumber", qPrintable(key + QLatin1Char('\\') + name));
    return v ? v->value.toInt() : 0;
}

} // namespace SettingsLayout
