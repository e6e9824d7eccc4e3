# Pixel checks on screenshots with ImageMagick. An area is WxH+X+Y in screen pixels.
# Text is drawn with smoothed edges: small text has few pixels of exactly its colour.

# The number of pixels of the colour in the area, or near it by the fuzz ("20%", default 0).
count_colour() {
    convert "$1[$2]" -alpha off -fuzz "${4:-0}" -fill black +opaque "$3" -fill white -opaque "$3" \
        -format '%[fx:round(mean*w*h)]' info:
}

# The box (WxH+X+Y, within the area) round the pixels of either colour; empty when none.
colour_box() {
    local box
    box=$(convert "$1[$2]" +repage -alpha off -fill "$3" -opaque "$4" -fill black \
        +opaque "$3" -bordercolor black -border 1 -format '%@' info: 2>/dev/null)
    case "$box" in "" | 0x0* | 1x1+0+0) ;; *) echo "$box" ;; esac
}

# Whether the area is the same in both pictures.
same_area() {
    local difference
    difference=$(compare -metric AE "$1[$3]" "$2[$3]" null: 2>&1 || true)
    [ "$difference" = 0 ]
}
