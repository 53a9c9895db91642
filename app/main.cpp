#include "app/ComposerApp.h"

int main(int argc, char** argv) {
    quillet::CComposerApp app(argc, argv);
    return app.Run();
}
