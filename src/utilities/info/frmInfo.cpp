#include "utilities/info/frmInfo.h"

#include "app/Named.h"
#include "app/Twips.h"
#include "app/WindowKeys.h"
#include "core/ProgramInfo.h"
#include "utilities/info/EmbeddedBrowser.h"

#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

frmInfo::frmInfo(Application &) : QWidget(nullptr, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Editor Info"));
    closeOnEscape(this);

    Label1 = named(new QLabel(QStringLiteral("Forum Address: ") + ForumAddress, this), "Label1");
    Label1->move(twipsToPixels(120), twipsToPixels(240));
    Label1->adjustSize();

    if (const QString why = embeddedBrowserWithheld(); !why.isEmpty()) {
        auto *link = new QLabel(why + QStringLiteral("<br><a href=\"%1\">%1</a>").arg(ForumAddress), this);
        link->setTextInteractionFlags(Qt::TextBrowserInteraction);
        link->setOpenExternalLinks(true);
        link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        wb = link;
    } else {
        QString error;
        wb = browser_ = createEmbeddedBrowser(this, QUrl(ForumAddress), &error);
        if (browser_)
            browser_->setAccessibleName(QStringLiteral("Forum"));
        else
            wb = new QLabel(error, this);
    }
    named(wb, "wb");

    // The browser keeps its corner at 120, 720 twips and fills the rest, 120 twips short of the
    // right and bottom edges, at every size; the window itself has no minimum size.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(twipsToPixels(120), twipsToPixels(720), twipsToPixels(120),
                               twipsToPixels(120));
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(wb);

    resize(twipsToPixels(12255), twipsToPixels(8655));
}

void frmInfo::Form_Load()
{
    if (browser_)
        browser_->setProperty("url", QUrl(ForumAddress));
}
