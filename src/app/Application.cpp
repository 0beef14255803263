#include "app/Application.h"

#include "app/Accessibility.h"
#include "app/Prompts.h"
#include "core/PathResolver.h"

#include <QDir>

#ifdef __GLIBC__
#include <malloc.h>
#endif

Application::Application(QString programFolder, Prompts &prompts)
    : programFolder_(std::move(programFolder)), prompts_(prompts), windows_(*this)
{
    installAccessibility();
#ifdef __GLIBC__
    // Blocks of 4 MiB and more (a large text, the arrays of its document) get mappings of their
    // own: they grow without being copied and go back to the system when freed. glibc would raise
    // this bound once the first large block is freed and keep later ones in its heap.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
#endif
}

bool Application::succeeded(QWidget *parent, const Status &status)
{
    if (!status.ok())
        prompts_.messageBox(parent, status.error(), Prompts::Critical);
    return status.ok();
}

bool Application::savesAnyway(QWidget *parent, const QList<std::pair<QString, QString>> &captionedValues,
                              bool (*isNumber)(const QString &), const QString &file)
{
    for (const auto &[caption, value] : captionedValues) {
        if (isNumber(value))
            continue;
        const QString question =
            QStringLiteral("%1 \"%2\" is not a number. The game may not read %3. Save anyway?")
                .arg(caption, value, QDir::toNativeSeparators(pathAsFound(file)));
        return prompts_.messageBox(parent, question, Prompts::YesNo | Prompts::Exclamation) == Prompts::Yes;
    }
    return true;
}
