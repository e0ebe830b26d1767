! Writes the expected outputs of the summary-tool tests with the runtime's own formats.
program summaries
  implicit none
  character(len=60) :: w60
  character(len=120) :: l120
  integer :: k
  open(10, file='wet_expected.14')
  write(10,'(a)') 'Wetness Extent fort.14 style Grid'
  write(10,'(2i10)') 2, 4
  write(10,'(i10,2f15.6,i5)') 1, -90.5d0, 29.25d0, 0
  write(10,'(i10,2f15.6,i5)') 2, -90.0d0, 29.25d0, 100000
  write(10,'(i10,2f15.6,i5)') 3, -90.0d0, 29.75d0, 100000
  write(10,'(i10,2f15.6,i5)') 4, 123456789.5d0, 29.75d0, 0
  write(10,'(5i10)') 1, 3, 1, 2, 3
  write(10,'(5i10)') 2, 3, 1, 3, 4
  close(10)
  open(10, file='minmax_expected.txt')
  write(10,'(A,I5,A,I5,A)') 'Processing snap #', 1, ' of ', 2, '.'
  write(10,'(3a10)') 'Vector', 'Maximum', 'Minimum'
  write(10,'(i10,2f10.4)') 1, 123456.0d0, -3.14159d0
  write(10,'(i10,1x,a)') 2, 'no valid values'
  write(10,'(i10,2f10.4)') 1, 7.0d0, -0.5d0
  close(10)
  open(10, file='meow_expected.63')
  w60 = 'Storm1'
  write(10,*) w60
  write(10,*) 1, 4, 3600.0d0, 10, 1
  write(10,*) 0.0d0, 0
  write(10,'(I10,E22.10)') 1, 2.0d0
  write(10,'(I10,E22.10)') 2, 0.3d0
  write(10,'(I10,E22.10)') 3, 0.25d0
  write(10,'(I10,E22.10)') 4, -99999.0d0
  close(10)
  open(10, file='max_expected.63')
  l120 = 'Vector run'
  write(10,'(a)') l120
  write(10,'(2i10,e14.6,2i10,a100)') 1, 3, 1.0d0, 1, 2, 'FormatVersion:'
  write(10,'(e14.6,2i10,e14.6)') 0.0d0, 0, 3, -9999.0d0
  write(10,*) 1, 0.5d0, -0.25d0
  write(10,*) 2, -99999.0d0, -99999.0d0
  write(10,*) 3, 2.0d0, 1.25d0
  close(10)
  open(10, file='diff_expected.63')
  l120 = 'first run'
  write(10,'(a)') l120
  l120 = '1 4 1.0 1 1'
  write(10,'(a)') l120
  l120 = 'not a snap header'
  write(10,'(a)') l120
  write(10,'(i10,e22.10)') 11, 1.2d0 - 0.7d0
  write(10,'(i10,e22.10)') 12, 0.0d0 - 0.7d0
  write(10,'(i10,e22.10)') 13, 0.5d0
  write(10,'(i10,e22.10)') 14, -99999.0d0
  close(10)
  open(10, file='stations_expected.txt')
  write(10,*) 4
  write(10,*) 'GI01', 29.2d0, -90.0d0, 200
  write(10,*) '''Grand Isle''', 29.3d0, -90.1d0, 7
  write(10,*) 'GI02', 29.4d0, -90.2d0
  write(10,*) 'gi01', 1.0d0, 2.0d0
  write(10,*) 'GI02', 30.5d0, -91.5d0
  close(10)
  open(10, file='attributes_expected.txt')
  write(10,'(I12)') 1
  write(10,*) 1
  write(10,*) 1.0d0
  write(10,*) 2
  do k = 2, 3
    write(10,*) k, 0.0d0
  end do
  close(10)
end program summaries
