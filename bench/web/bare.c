// The yardstick for the web version's start: a bare Emscripten page that paints one frame
// of the handheld's size on a canvas, then says so.
#include <emscripten.h>

int main(void) {
    EM_ASM({
        const canvas = document.getElementById("screen");
        const context = canvas.getContext("2d");
        const image = context.createImageData(240, 320);
        image.data.fill(255);
        context.putImageData(image, 0, 0);
        performance.mark("zephtor-home");
    });
    return 0;
}
