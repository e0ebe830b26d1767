! Writes the location and points files expected for the small test mesh: points
! (x, y) = (-89.5, 29.25), (-90, 29), (-88.123456789, 30.000004), (-89.5, 29.25), (12.5, -45),
! start 2005 08 01 06 00 00, run length 864000 seconds.
program boundary_export
  implicit none
  double precision :: x(5), y(5)
  integer :: k
  x = (/ -89.5d0, -90.0d0, -88.123456789d0, -89.5d0, 12.5d0 /)
  y = (/ 29.25d0, 29.0d0, 30.000004d0, 29.25d0, -45.0d0 /)
  open(10, file='boundary_export.osu')
  open(11, file='boundary_export.points')
  write(10, '(a)') '   lat   lon            yy   mm  dd hh mi sec dt(min) TSLength'
  write(11, *) 5
  do k = 1, 5
    write(10, '(2f10.5,i7,2x,6(i2.2,x),2x,i15)') y(k), x(k) + 360.0d0, 2005, 8, 1, 6, 0, 0, 30, 864000
    write(11, '(2f10.5)') x(k), y(k)
  end do
  ! a month of 100 and a negative minute do not fit their two-digit fields
  write(*, '(2f10.5,i7,2x,6(i2.2,x),2x,i15)') y(1), x(1) + 360.0d0, 2008, 100, 31, 0, -5, 0, 30, 108000
end program
