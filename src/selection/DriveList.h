#pragma once

#include <QComboBox>

// The mounted volumes, for jumping the folder list to another disk.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);

    // The root of the chosen volume.
    QString drive() const { return currentData().toString(); }
    // Shows the volume that holds the path, without reporting it as the user's choice.
    void showDriveOf(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void listVolumes();

    // The volumes are listed when the list is first seen: the window that holds it stays
    // hidden through most runs.
    bool listed_ = false;
    QString shownPath_;
};
