#include "textboard/TBPreview.h"

#include "core/GlobalDeclarations.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/rules/CarriedCaret.h"
#include "widgets/ModalDialog.h"
#include "widgets/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// Designed sizes and margins, in twips.
constexpr double kCloseWidth = 1080;
constexpr double kCloseHeight = 300;
constexpr double kHeadingHeight = 270;
constexpr double kMargin = 60;
constexpr double kTextTop = 360;

const char kCloseTag[] = "Close Full Screen Preview";

} // namespace

TBPreview::TBPreview(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TBPreview"));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    setWindowTitle(QStringLiteral("Quorvil TextBoard Full Screen Preview"));

    m_heading = new QLabel(QStringLiteral("Quorvil TextBoard Full Screen Preview"), this);
    m_heading->setObjectName(QStringLiteral("Heading"));
    m_heading->setTextFormat(Qt::PlainText);
    QFont headingFont = font();
    headingFont.setPointSize(11);
    headingFont.setBold(true);
    m_heading->setFont(headingFont);

    m_closeButton = new QPushButton(QStringLiteral("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("CloseButton"));
    m_closeButton->setProperty("Tag", QString::fromLatin1(kCloseTag));
    m_closeButton->setAutoDefault(false);
    connect(m_closeButton, &QPushButton::clicked, this, &TBPreview::CloseButton_Click);

    m_holder = new QFrame(this);
    m_holder->setObjectName(QStringLiteral("PreviewTBHolder"));
    m_holder->setFrameShape(QFrame::StyledPanel);
    m_holder->setFrameShadow(QFrame::Sunken);

    m_previewTB = new TextBoardEdit(m_holder);
    m_previewTB->setObjectName(QStringLiteral("PreviewTB"));
    m_previewTB->setFrameShape(QFrame::NoFrame);
    // A preview: the caret moves and text can be selected, nothing typed changes it.
    m_previewTB->setReadOnly(true);

    Form_Load();
}

void TBPreview::Form_Load()
{
    m_closeButton->setToolTip(globals().gToolTips ? QString::fromLatin1(kCloseTag) : QString());
}

void TBPreview::ShowFullScreen(const QRectF &workArea, const QString &text, const TextBoardLook &look)
{
    m_previewTB->setFont(look.font);
    QPalette palette = m_previewTB->palette();
    palette.setColor(QPalette::Text, look.color);
    m_previewTB->setPalette(palette);
    m_previewTB->setAlignment(look.alignment);
    m_previewTB->setText(text);
    // The caret is placed once, here: coming back to the preview later must not move it.
    m_previewTB->setSelStart(caretWithin(globals().gTBCaret, m_previewTB->length()));
    m_previewTB->setFocus();

    // A window manager fits a maximised window to the work area itself; the geometry is for
    // one that does not.
    setGeometry(Twips::toQt(workArea.left()), Twips::toQt(workArea.top()), Twips::toQt(workArea.width()),
                Twips::toQt(workArea.height()));
    setWindowState(windowState() | Qt::WindowMaximized);
    layOut();
    execModal(*this);
}

void TBPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layOut();
}

void TBPreview::layOut()
{
    // Controls sit in the window's own coordinates: wherever the work area starts on the
    // screen, the text ends at the window's bottom edge.
    const double w = width() * Twips::kPerQtUnit;
    const double h = height() * Twips::kPerQtUnit;
    Twips::place(m_heading, QRectF(180, 75, m_heading->sizeHint().width() * Twips::kPerQtUnit, kHeadingHeight));
    Twips::place(m_closeButton, QRectF(w - kCloseWidth - kMargin, 45, kCloseWidth, kCloseHeight));
    Twips::place(m_holder, QRectF(kMargin, kTextTop, std::max(0.0, w - 2 * kMargin), std::max(0.0, h - kTextTop)));
    const QRect inner = m_holder->contentsRect();
    Twips::place(m_previewTB, QRectF(inner.x() * Twips::kPerQtUnit, inner.y() * Twips::kPerQtUnit,
                                     inner.width() * Twips::kPerQtUnit, inner.height() * Twips::kPerQtUnit));
}

void TBPreview::CloseButton_Click()
{
    globals().gTBCaret = m_previewTB->SelStart();
    accept();
}
