#include "InterfaceStyle.h"

#include "ResourceIcon.h"

QIcon CInterfaceStyle::standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const
{
    switch (pixmap) {
    case SP_ToolBarHorizontalExtensionButton:
        return ResourceIcon("more_h");
    case SP_ToolBarVerticalExtensionButton:
        return ResourceIcon("more_v");
    default:
        return QProxyStyle::standardIcon(pixmap, option, widget);
    }
}
