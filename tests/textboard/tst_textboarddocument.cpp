// The TextBoard's document over its view: which changes of the text mark it changed, and
// when it tells its listeners that the changed flag or the loaded file moved.
#include "support/TestMain.h"

#include "textboard/RichTextBox.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"

#include <QSignalSpy>

class TestTextBoardDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void editsMarkItChanged();
    void recodingIsNoEdit();
    void signalsOnlyOnChange();
    void clearEmptiesTextAndTwin();

private:
    std::unique_ptr<TextBoardEdit> m_view;
    std::unique_ptr<TextBoardDocument> m_document;
};

void TestTextBoardDocument::init()
{
    m_view = std::make_unique<TextBoardEdit>();
    m_view->setMaxLength(61440);
    m_document = std::make_unique<TextBoardDocument>(*m_view);
}

void TestTextBoardDocument::cleanup()
{
    m_document.reset();
    m_view.reset();
}

void TestTextBoardDocument::editsMarkItChanged()
{
    QSignalSpy changed(m_document.get(), &TextBoardDocument::modifiedChanged);
    m_view->show();
    m_view->setFocus();
    QTest::keyClicks(m_view.get(), QStringLiteral("abc"));
    QCOMPARE(m_document->Text(), QStringLiteral("abc"));
    QVERIFY(m_document->TBChanged());
    // One change of the flag for a run of keystrokes, not one per key.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toBool(), true);

    // A save or load clears it; the next edit of any kind, a paste or undo too, sets it again.
    m_document->setModified(false);
    m_view->undo();
    QVERIFY(m_document->TBChanged());
    m_document->setModified(false);
    m_view->setSelText(QStringLiteral("x"));
    QVERIFY(m_document->TBChanged());
    QCOMPARE(changed.count(), 5);
}

void TestTextBoardDocument::recodingIsNoEdit()
{
    m_view->setText(QStringLiteral("abc"));
    m_document->setModified(false);
    // The same codes in another charset: the user's text is what it was.
    m_view->recode(QStringLiteral("xyz"));
    QCOMPARE(m_document->Text(), QStringLiteral("xyz"));
    QVERIFY(!m_document->TBChanged());
}

void TestTextBoardDocument::signalsOnlyOnChange()
{
    QSignalSpy modified(m_document.get(), &TextBoardDocument::modifiedChanged);
    QSignalSpy path(m_document.get(), &TextBoardDocument::pathChanged);
    m_document->setModified(false);
    m_document->setLoadedFile(QString(), QString());
    QCOMPARE(modified.count(), 0);
    QCOMPARE(path.count(), 0);

    m_document->setLoadedFile(QStringLiteral("/docs/a.txt"), QStringLiteral("a.txt"));
    m_document->setLoadedFile(QStringLiteral("/docs/a.txt"), QStringLiteral("a.txt"));  // saved again
    QCOMPARE(path.count(), 1);
    QCOMPARE(path.at(0).at(0).toString(), QStringLiteral("/docs/a.txt"));
    m_document->setLoadedFile(QString(), QString());  // unloaded
    QCOMPARE(path.count(), 2);
    QVERIFY(path.at(1).at(0).toString().isEmpty());
    QVERIFY(m_document->TBLoadedName().isEmpty());

    // The file about to be loaded is not the loaded one until the load succeeds.
    m_document->setOpenFile(QStringLiteral("/docs/b.quf"), QStringLiteral("b.quf"));
    QCOMPARE(path.count(), 2);
    QVERIFY(m_document->TBLoadedPath().isEmpty());
}

void TestTextBoardDocument::clearEmptiesTextAndTwin()
{
    m_view->setText(QStringLiteral("one\r\ntwo"));
    m_document->TextBoardRTF().setText(m_document->Text());
    m_document->clear();
    QCOMPARE(m_view->length(), 0);
    QVERIFY(m_document->TextBoardRTF().Text().isEmpty());
    // Emptying the board is an edit like any other.
    QVERIFY(m_document->TBChanged());
}

QUORVIL_TEST_MAIN(TestTextBoardDocument)
#include "tst_textboarddocument.moc"
