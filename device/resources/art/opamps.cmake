# Op-amp circuit pictures: drawn on 1-pixel lines, so 4 bits keeps them exactly black and white.
zephtor_svg_bitmap(pictures ${art}/opamp-follower.svg ${out}/opamp-follower.bmp 238 190 4)
zephtor_svg_bitmap(pictures ${art}/opamp-differential.svg ${out}/opamp-differential.bmp 238 190 4)
zephtor_svg_bitmap(pictures ${art}/opamp-differentiator.svg ${out}/opamp-differentiator.bmp 238 190 4)
zephtor_svg_bitmap(pictures ${art}/opamp-inverting.svg ${out}/opamp-inverting.bmp 238 190 4)
zephtor_svg_bitmap(pictures ${art}/opamp-non-inverting.svg ${out}/opamp-non-inverting.bmp 238 190 4)
zephtor_svg_bitmap(pictures ${art}/opamp-summing.svg ${out}/opamp-summing.bmp 238 190 4)
