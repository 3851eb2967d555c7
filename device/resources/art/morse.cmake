# The telegraph key shown while Morse plays (sixteen colours), and the blank that replaces it.
zephtor_svg_bitmap(pictures ${art}/morse-key.svg ${out}/morse-key.bmp 201 84 4)
zephtor_svg_bitmap(pictures ${art}/morse-blank.svg ${out}/morse-blank.bmp 1 1 1)
