#include "app/rules/SettingsLayout.h"

#include "app/rules/RegistryFunctions.h"

namespace SettingsLayout {

namespace {

QList<Value> buildLayout()
{
    using F = FirstRun;
    const auto s = [](const char *t) { return QString::fromUtf8(t); };
    QList<Value> v;
    const auto sz = [&](const char *key, const QString &name, F f, const QVariant &value, const char *reader) {
        v.append(Value{s(key), name, REG_SZ, f, value, s(reader)});
    };
    const auto dw = [&](const char *key, const QString &name, F f, const QVariant &value, const char *reader) {
        v.append(Value{s(key), name, REG_DWORD, f, value, s(reader)});
    };

    dw("", s("MV"), F::Literal, 300, "nothing");
    dw("", s("SV"), F::Literal, 2, "nothing");
    for (int i = 1; i <= 9; ++i)
        sz("MRU", QString::number(i), F::Literal, QString(), "LoadSettings");
    for (int i = 1; i <= 5; ++i)
        sz("CFMRU", QString::number(i), F::Literal, QString(), "LoadSettings");
    for (int i = 1; i <= 40; ++i)
        dw("CustomColors", QString::number(i), F::CustomColor, i, "LoadSettings (presence), FMColorPalette");
    for (int i = 1; i <= 40; ++i)
        sz("CustomLabels", QString::number(i), F::CustomLabel, i, "LoadSettings (presence), FMColorPalette");

    sz("TextBoard", s("FontName"), F::TextBoardFont, {}, "LoadTBSettings, Options");
    dw("TextBoard", s("FontSize"), F::ScreenFontSize, {}, "LoadTBSettings, Options");
    for (const char *style : {"Bold", "Italic", "Underline", "Strikeout"})
        dw("TextBoard", s(style), F::Literal, 0, "LoadTBSettings, Options");
    dw("TextBoard", s("Alignment"), F::Literal, 0, "LoadTBSettings, Options");
    dw("TextBoard", s("FontColorIndex"), F::Literal, 0, "LoadTBSettings, Options");
    sz("TextBoard", s("FontColorName"), F::Literal, s("Black"), "LoadTBSettings, Options");

    dw("FontMap", s("ForeColor"), F::DesignedColor, {}, "LoadLastSettings, Options");
    dw("FontMap", s("BackColor"), F::DesignedColor, {}, "LoadLastSettings, Options");
    dw("FontMap", s("ForeColorIndex"), F::Literal, 8, "LoadLastSettings, Options");
    dw("FontMap", s("BackColorIndex"), F::Literal, 5, "LoadLastSettings, Options");
    sz("FontMap", s("ForeColorName"), F::Literal, s("Window Text"), "LoadLastSettings, Options");
    sz("FontMap", s("BackColorName"), F::Literal, s("Window Background"), "LoadLastSettings, Options");
    dw("FontMap", s("ForePaletteRef"), F::Literal, 1, "LoadLastSettings, Options");
    dw("FontMap", s("BackPaletteRef"), F::Literal, 1, "LoadLastSettings, Options");
    sz("FontMap", s("Hilite"), F::Literal, s("False"), "LoadLastSettings, Options");
    dw("FontMap", s("Borders"), F::Literal, 1, "LoadLastSettings, Options");
    dw("FontMap", s("SizeIndex"), F::ScreenSizeIndex, {}, "LoadLastSettings, Options");
    sz("FontMap", s("InitMap"), F::Literal, s("False"), "LoadLastSettings, Options");
    sz("FontMap", s("InitMapPath"), F::Literal, s("None"), "LoadLastSettings, Options");

    for (const char *view : {"Zoom", "Code", "KeyStroke"})
        sz("Views", s(view), F::Literal, s("True"), "LoadLastSettings, Options");
    sz("Views", s("ZoomSize"), F::Literal, s("72"), "LoadLastSettings, Options");

    for (const char *option : {"TXTLoadSet", "QUFUnLoadSet", "CopyDialog", "ExitWarning", "OverwriteWarning",
                               "ColorScheme", "ToolTips"})
        sz("Options", s(option), F::Literal, s("True"), "LoadLastSettings, Options");
    sz("Options", s("VCPosition"), F::Literal, s("L"), "LoadLastSettings, Options");
    dw("Options", s("ZoomedLetter"), F::Literal, 65, "LoadLastSettings (presence), Options");
    dw("Options", s("OFMapStart"), F::Literal, 60, "LoadLastSettings (presence), Options");
    sz("Options", s("MaximizeTB"), F::NotWritten, {}, "Options");

    dw("CFMEditor", s("ListCols"), F::Literal, 10, "LoadLastSettings (presence), CFMEditor");
    dw("CFMEditor", s("ShiftDir"), F::Literal, 0, "LoadLastSettings (presence), CFMEditor, Options");
    sz("FB", s("SampleText"), F::Literal, s("The Quick Brown Fox Jumped Over the Lazy Dog."),
       "LoadLastSettings (presence), FontBrowser, Options");

    const int mainBands[] = {945, 6240, 2310, 1230};
    for (int i = 0; i < 4; ++i)
        dw("Bars", QStringLiteral("MainBand%1Wdth").arg(i + 1), F::Literal, mainBands[i], "LoadLastSettings");
    const int tbBands[] = {1920, 1575, 2055, 1230, 2880};
    for (int i = 0; i < 5; ++i)
        dw("Bars", QStringLiteral("TBBand%1Wdth").arg(i + 1), F::Literal, tbBands[i], "LoadLastSettings");
    dw("Bars", s("FMBand1Wdth"), F::Literal, 1635, "LoadLastSettings");
    dw("Bars", s("FMBand2Wdth"), F::Literal, 5310, "LoadLastSettings");
    dw("Bars", s("FMBand3Wdth"), F::DesignedSize, {}, "LoadLastSettings");

    dw("Last", s("FormTop"), F::CenteredWindow, {}, "LoadLastSettings");
    dw("Last", s("FormLeft"), F::CenteredWindow, {}, "LoadLastSettings");
    dw("Last", s("FormHeight"), F::DesignedSize, {}, "LoadLastSettings");
    dw("Last", s("FormWidth"), F::DesignedSize, {}, "LoadLastSettings");
    for (const char *path : {"LFLoadPath", "LFSavePath", "LMLoadPath", "LMSavePath"})
        sz("Last", s(path), F::DocumentsFolder, {}, "LoadLastSettings");

    for (const char *temp : {"TBFColorIndex", "FMFPaletteRef", "FMBPaletteRef", "FMFColorIndex", "FMBColorIndex"})
        dw("Temp", s(temp), F::NotWritten, {}, "nothing");
    for (const char *temp : {"FMFColorName", "FMBColorName"})
        sz("Temp", s(temp), F::NotWritten, {}, "nothing");
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

} // namespace SettingsLayout
