#include "ui/QuillmereDoc.h"

QuillmereDoc::QuillmereDoc()
    : title(QStringLiteral("cleaning roster"))
{
}
