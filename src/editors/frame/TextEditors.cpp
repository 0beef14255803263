#include "editors/frame/TextEditors.h"

#include "app/Application.h"
#include "editors/frame/TextEditorWindow.h"

#include <algorithm>

QList<TextEditorWindow *> openTextEditors(Application &app)
{
    QList<TextEditorWindow *> editors = app.windows().findAll<TextEditorWindow>();
    std::sort(editors.begin(), editors.end(), [](const TextEditorWindow *one, const TextEditorWindow *other) {
        return one->kind() < other->kind();
    });
    return editors;
}

TextEditorWindow *textEditor(Application &app, TextEditorKind kind)
{
    for (TextEditorWindow *editor : openTextEditors(app))
        if (editor->kind() == kind)
            return editor;
    return app.openTextEditor(kind);
}
