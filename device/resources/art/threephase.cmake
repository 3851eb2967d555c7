# Transformer connections and impedance transforms: line art in the sixteen standard colours.
zephtor_svg_bitmap(pictures ${art}/threephase-delta.svg ${out}/threephase-delta.bmp 119 88 4)
zephtor_svg_bitmap(pictures ${art}/threephase-wye.svg ${out}/threephase-wye.bmp 119 88 4)
zephtor_svg_bitmap(pictures ${art}/threephase-delta-impedances.svg ${out}/threephase-delta-impedances.bmp 53 59 4)
zephtor_svg_bitmap(pictures ${art}/threephase-wye-impedances.svg ${out}/threephase-wye-impedances.bmp 53 59 4)
