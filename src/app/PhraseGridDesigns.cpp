#include "app/PhraseGridDesigns.h"

#include <QFile>

namespace {

QByteArray designResource(const char* name) {
    QFile file(QStringLiteral(":/griddesigns/") + QLatin1String(name));
    // The resource is compiled in; were it missing, the empty data would fail to read.
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The resource lives in a static library: registered here so the linker keeps it.
static void initDesignResources() {
    Q_INIT_RESOURCE(PhraseGridDesigns);
}

GridDesign textPageGridDesign() {
    initDesignResources();
    return {1, 100, 0, 0, designResource("TextPageGrid.formdata")};
}

GridDesign smileysGridDesign() {
    initDesignResources();
    return {2, 100, 0, 1, designResource("SmileysGrid.formdata")};
}
