# The chip reference's package outline: black line art, 4 bits.
zephtor_svg_bitmap(pictures ${art}/chips-dip14.svg ${out}/chips-dip14.bmp 100 164 4)
