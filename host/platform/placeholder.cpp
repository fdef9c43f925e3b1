namespace kavro_placeholder {}
