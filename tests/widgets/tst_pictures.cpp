#include "support/TestMain.h"

#include "widgets/Pictures.h"
#include "widgets/ProgramStyle.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>

namespace {

QImage rendered(const QIcon &icon, int size, qreal scale)
{
    QImage image = icon.pixmap(QSize(size, size), scale).toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1); // compared pixel for pixel
    return image;
}

bool paintsSomething(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

// An icon theme of two icons, in a folder of its own.
class TestTheme
{
public:
    explicit TestTheme(const QString &name = QStringLiteral("testtheme"))
    {
        const QString root = m_dir.filePath(name);
        QDir().mkpath(root + QStringLiteral("/16x16/actions"));
        QFile index(root + QStringLiteral("/index.theme"));
        if (index.open(QIODevice::WriteOnly)) {
            index.write("[Icon Theme]\nName=" + name.toUtf8()
                        + "\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n");
        }
        for (const char *name : {"edit-cut", "help-about"}) {
            QImage image(16, 16, QImage::Format_ARGB32);
            image.fill(Qt::magenta);
            image.save(root + QStringLiteral("/16x16/actions/") + QLatin1String(name) + QStringLiteral(".png"));
        }
        m_paths = QIcon::themeSearchPaths();
        m_name = QIcon::themeName();
        QIcon::setThemeSearchPaths({m_dir.path()});
        QIcon::setThemeName(name);
    }
    ~TestTheme()
    {
        QIcon::setThemeSearchPaths(m_paths);
        QIcon::setThemeName(m_name);
    }

private:
    QTemporaryDir m_dir;
    QStringList m_paths;
    QString m_name;
};

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuPicturesAreDrawnCrisply_data();
    void menuPicturesAreDrawnCrisply();
    void menuPicturesDifferWhereTheCommandsDo();
    void onlyTwentyTwoMenuPictures();
    void standardActionsComeFromTheIconTheme_data();
    void standardActionsComeFromTheIconTheme();
    void withoutADesktopThemeThePicturesAreOurs();
    void moreButtonsIsDrawn();
};

void TestPictures::menuPicturesAreDrawnCrisply_data()
{
    QTest::addColumn<int>("index");
    for (int i = 1; i <= 22; ++i)
        QTest::addRow("%d", i) << i;
}

void TestPictures::menuPicturesAreDrawnCrisply()
{
    QFETCH(int, index);
    const QIcon picture = Pictures::menuPicture(index);
    QVERIFY(!picture.isNull());
    const QImage single = rendered(picture, 16, 1);
    QVERIFY(paintsSomething(single));
    // At scale 2 the picture is drawn anew at twice the pixels, not enlarged from the small one.
    const QImage doubled = rendered(picture, 16, 2);
    QCOMPARE(doubled.size(), QSize(32, 32));
    QCOMPARE(doubled, rendered(picture, 32, 1));
    QVERIFY(doubled != single.scaled(32, 32));
}

void TestPictures::menuPicturesDifferWhereTheCommandsDo()
{
    // Items with a command of their own have a picture of their own; the whole-text tools
    // do not look like the Edit menu's commands on the selection.
    QList<QImage> seen;
    for (int i = 1; i <= 22; ++i) {
        const QImage image = rendered(Pictures::menuPicture(i), 32, 1);
        QVERIFY2(!seen.contains(image), qPrintable(QStringLiteral("picture %1 repeats another").arg(i)));
        seen << image;
    }
    // A menu item shows the same picture as the toolbar button of its command.
    QCOMPARE(rendered(Pictures::menuPicture(9), 32, 1),
             rendered(Pictures::icon(QStringLiteral("imlTBOperations"), QStringLiteral("TBCopy")), 32, 1));
    QCOMPARE(rendered(Pictures::menuPicture(16), 32, 1),
             rendered(Pictures::icon(QStringLiteral("imlMainTBIcons"), QStringLiteral("Opt")), 32, 1));
}

void TestPictures::onlyTwentyTwoMenuPictures()
{
    QVERIFY(Pictures::menuPicture(0).isNull());
    QVERIFY(Pictures::menuPicture(23).isNull());
}

void TestPictures::standardActionsComeFromTheIconTheme_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("themeName"); // empty: our own picture
    QTest::newRow("Text File: ours") << 1 << "";
    QTest::newRow("Cut: the theme's") << 3 << "edit-cut";
    QTest::newRow("Find: not in the theme, ours") << 6 << "";
    QTest::newRow("Copy TextBoard: ours") << 9 << "";
    QTest::newRow("About: the theme's") << 22 << "help-about";
}

void TestPictures::standardActionsComeFromTheIconTheme()
{
    QFETCH(int, index);
    QFETCH(QString, themeName);
    const QImage without = rendered(Pictures::menuPicture(index), 16, 1);
    TestTheme theme;
    const QIcon picture = Pictures::menuPicture(index);
    QCOMPARE(picture.name(), themeName);
    const QImage with = rendered(picture, 16, 1);
    if (themeName.isEmpty())
        QCOMPARE(with, without);
    else
        QCOMPARE(with.pixelColor(8, 8), QColor(Qt::magenta));

    // The toolbar button of the same action follows the theme too.
    if (index == 3)
        QCOMPARE(Pictures::icon(QStringLiteral("imlTextEditTB"), QStringLiteral("Cut")).name(), themeName);
}

void TestPictures::withoutADesktopThemeThePicturesAreOurs()
{
    // Where the desktop names no theme, Qt's fallback is hicolor; an action icon put there by
    // some package does not replace ours.
    const QImage ours = rendered(Pictures::menuPicture(3), 16, 1);
    TestTheme theme(QStringLiteral("hicolor"));
    const QIcon picture = Pictures::menuPicture(3);
    QVERIFY(picture.name().isEmpty());
    QCOMPARE(rendered(picture, 16, 1), ours);
}

void TestPictures::moreButtonsIsDrawn()
{
    ProgramStyle style;
    for (const auto &[pixmap, orientation] :
         {std::pair{QStyle::SP_ToolBarHorizontalExtensionButton, Qt::Horizontal},
          {QStyle::SP_ToolBarVerticalExtensionButton, Qt::Vertical}}) {
        const QIcon icon = style.standardIcon(pixmap);
        QVERIFY(paintsSomething(rendered(icon, 16, 1)));
        QCOMPARE(rendered(icon, 16, 2), rendered(Pictures::moreButtons(orientation), 32, 1));
    }
    QVERIFY(rendered(Pictures::moreButtons(Qt::Horizontal), 16, 1)
            != rendered(Pictures::moreButtons(Qt::Vertical), 16, 1));
}

QUORVIL_TEST_MAIN(TestPictures)
#include "tst_pictures.moc"
