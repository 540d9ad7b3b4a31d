// The text-table reader takes any bytes without crashing.
#include "app/textcatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    cinemoto::TextCatalogue catalogue;
    catalogue.loadText(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (int id : catalogue.ids())
        (void)catalogue.text(id);
    return 0;
}
