zephtor_svg_icon(pictures ${art}/setup.svg ${out}/setup.ico ${art}/setup-16.svg)
zephtor_svg_bitmap(pictures ${art}/side.svg ${out}/side.bmp 120 258 24)
