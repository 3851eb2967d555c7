# The two 555 circuits: black line art, 4 bits.
zephtor_svg_bitmap(pictures ${art}/timer-monostable.svg ${out}/timer-monostable.bmp 152 122 4)
zephtor_svg_bitmap(pictures ${art}/timer-astable.svg ${out}/timer-astable.bmp 152 122 4)
