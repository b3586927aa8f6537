// implemented by the files layer
