// Writing the palette's 80 custom colours and labels into the settings file: one write
// per value (each one a lock, a replace and an fsync) against one batch.
#include "support/TestMain.h"

#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "platform/FileRegistry.h"

class BenchSettingsWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void write80Values_data();
    void write80Values();
};

namespace {

// The 80 values, different on every round, so that each round really changes the file.
QList<SettingWrite> customColors(int round)
{
    QList<SettingWrite> values;
    for (int i = 1; i <= 40; ++i)
        values.append({QStringLiteral("CustomColors"), QString::number(i), round * 40 + i});
    for (int i = 1; i <= 40; ++i)
        values.append({QStringLiteral("CustomLabels"), QString::number(i), QStringLiteral("Colour %1.%2").arg(round).arg(i)});
    return values;
}

} // namespace

void BenchSettingsWrite::write80Values_data()
{
    QTest::addColumn<bool>("batch");
    QTest::newRow("one by one") << false;
    QTest::newRow("one batch") << true;
}

void BenchSettingsWrite::write80Values()
{
    QFETCH(bool, batch);
    TestEnvironment::clearSettings();
    FileRegistry store;
    for (const QString &key : {QStringLiteral("CustomColors"), QStringLiteral("CustomLabels")})
        QVERIFY(store.createKey(SettingsLayout::keyPath(key)));
    SettingsAccess settings(store);

    int round = 0;
    QBENCHMARK {
        const QList<SettingWrite> values = customColors(++round);
        if (batch) {
            settings.writeMany(values);
        } else {
            for (const SettingWrite &v : values)
                settings.write(v.key, v.name, v.value);
        }
    }
    QCOMPARE(FileRegistry().value(SettingsLayout::keyPath(QStringLiteral("CustomLabels")), QStringLiteral("40")),
             (RegData{REG_SZ, QStringLiteral("Colour %1.40").arg(round).toUtf8()}));
}

QUORVIL_TEST_MAIN(BenchSettingsWrite)
#include "bench_settingswrite.moc"
