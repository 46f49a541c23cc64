#pragma once

#include <QDialog>

// The About box: the application icon, the product line and an OK button.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
