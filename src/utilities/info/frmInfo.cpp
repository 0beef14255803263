#include "utilities/info/frmInfo.h"

#include "app/Named.h"
#include "app/Twips.h"
#include "core/ProgramInfo.h"
#include "utilities/info/EmbeddedBrowser.h"

#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

frmInfo::frmInfo(Application &) : QWidget(nullptr, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Editor Info"));

    Label1 = named(new QLabel(QStringLiteral("Forum Address: ") + ForumAddress, this), "Label1");
    Label1->move(twipsToPixels(120), twipsToPixels(240));
    Label1->adjustSize();

    QString error;
    wb = createEmbeddedBrowser(this, &error);
    if (!wb)
        wb = new QLabel(error, this);
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
    if (wb->metaObject()->indexOfProperty("url") >= 0)
        wb->setProperty("url", QUrl(ForumAddress));
}
