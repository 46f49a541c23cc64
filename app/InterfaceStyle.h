#pragma once

#include <QProxyStyle>

// The platform's style with the application's own pictures for the toolbar
// and menu bar extension buttons. The style's pictures are image files
// whose first loading searches every image plugin, a cost start-up need
// not pay for two chevrons.
class CInterfaceStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
