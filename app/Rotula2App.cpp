#include "Rotula2App.h"

#include "DocumentDialogs.h"
#include "InterfaceStyle.h"
#include "MainFrame.h"
#include "ProductInfo.h"
#include "ResourceIcon.h"
#include "Rotula2View.h"

#include <QFont>

#include <clocale>

CRotula2App::CRotula2App(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // Qt takes the user's locale for the C library too; labels and files
    // are printed with printf and must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    // The settings are kept under these names.
    setOrganizationName(QString::fromUtf8(Product::Name));
    setApplicationName(QString::fromUtf8(Product::Name));
    setApplicationVersion(QString::fromUtf8(Product::Version));
    setWindowIcon(ResourceIcon("quadrix"));
    setStyle(new CInterfaceStyle);
    setFont(InterfaceFont(font()));
    m_language.Apply(CInterfaceLanguage::Stored());
}

QFont CRotula2App::InterfaceFont(const QFont& base)
{
    QFont font(base);
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    return font;
}

int CRotula2App::Run(const QString& file)
{
    int code = 0;
    {
        CMainFrame frame(m_versionCheck);
        if (!file.isEmpty() && !frame.Dialogs().OpenFile(file))
            return 1;
        frame.showMaximized();
        code = exec();
    }
    m_versionCheck.CheckAtExit();
    return code;
}
