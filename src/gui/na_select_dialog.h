// The national-annex selection dialog: the built-in and the user's parameter sets with their
// flags; OK stores the ticked set as the position's choice and activates it; the tool button
// starts the environment's annex editor and lists the sets again when it has ended.
#pragma once
#include <QDialog>
#include <QList>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QShowEvent;
class QSignalMapper;
class QVBoxLayout;

class Ui_NA_SelectDialog {
public:
    QGridLayout* gridLayout;
    QDialogButtonBox* buttonBox;
    QPushButton* pb_tool;
    QScrollArea* sc_na_area;
    QWidget* scrollAreaWidgetContents;
    QVBoxLayout* verticalLayout;
    QGridLayout* gridLayout_na;

    void setupUi(QDialog* dialog);
    void retranslateUi(QDialog* dialog);
};

namespace Ui {
class NA_SelectDialog : public Ui_NA_SelectDialog {};
} // namespace Ui

class NA_SelectDialog : public QDialog, public Ui::NA_SelectDialog {
    Q_OBJECT
public:
    NA_SelectDialog();
    ~NA_SelectDialog() override;

    void rebuildList();
    // Starts the annex editor with the active set's name and waits until it has ended.
    void start_nad_editor();

    const QList<QRadioButton*>& radioButtons() const { return radio_buttons; }
    const QList<QLabel*>& flagLabels() const { return flag_labels; }

signals:
    void naChanged();

public slots:
    void storedata();
    void start_tool();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QList<QRadioButton*> radio_buttons;
    QList<QLabel*> flag_labels;
    QSignalMapper* mapper;
};

// Resource of the flag of a set's flag index (0 to 19); empty outside.
QString na_flag_resource(int flag_index);
