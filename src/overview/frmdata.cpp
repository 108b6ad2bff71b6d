#include "app/navigation.h"
#include "app/windows.h"

namespace quarvex {

namespace {
class DataEntryPlaceholder : public QWidget
{
public:
    DataEntryPlaceholder()
    {
        setObjectName(QStringLiteral("frmData"));
        setWindowTitle(QStringLiteral("Data Entry"));
    }
};
} // namespace

void showDataEntry()
{
    showWindow<DataEntryPlaceholder>();
}

} // namespace quarvex
