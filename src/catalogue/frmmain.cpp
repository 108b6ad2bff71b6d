#include "app/navigation.h"
#include "app/windows.h"

namespace quarvex {

namespace {
class SelectorPlaceholder : public QWidget
{
public:
    SelectorPlaceholder()
    {
        setObjectName(QStringLiteral("frmMain"));
        setWindowTitle(QStringLiteral("Medical Calculator"));
    }
};
} // namespace

void showSelector()
{
    showWindow<SelectorPlaceholder>();
}

} // namespace quarvex
