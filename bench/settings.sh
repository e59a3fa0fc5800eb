# Sourced by the measuring and screenshot scripts.
# write_settings FOLDER KEY=VALUE... : writes the 13-line settings file, the defaults with the
# given changes, into FOLDER.
write_settings() {
    local folder=$1 && shift
    local keys=(ViewTime ShapeWidth PicCenter SlideShowTime Localisation Back HColor MColor
        SColor CColor HSize FName Clock2)
    local values=(0 0 Default 0 1 0 255 8421631 12632319 0 30 Tahoma 0) i change
    for change in "$@"; do
        for i in "${!keys[@]}"; do
            [[ ${keys[i]} == "${change%%=*}" ]] && values[i]=${change#*=}
        done
    done
    for i in "${!keys[@]}"; do printf '%s=%s\r\n' "${keys[i]}" "${values[i]}"; done \
        >"$folder/Tikora_Clock.ini"
}
